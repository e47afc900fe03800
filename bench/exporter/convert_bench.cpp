// Builds a skinned, animated scene of 16,000 vertices (a tube of 160 rings of 100 vertices on a
// chain of 40 bones, each vertex weighted to one or two bones, 200 frames of keys), saves it as
// glTF 2 (binary buffers) and as Collada (text, vertices split at face corners by the loader),
// and times in one run for each: the import library loading the file; that load plus one plain
// write of the bytes the conversion writes (the least any converter must do); the same with each
// file flushed to the disk (the least a converter that never leaves a half-written file must
// do); and the whole conversion through korvathexp.dle for all 200 frames, best of five rounds each.
// Usage: bench_exporter_convert [--format gltf2|collada] [--keep] [--plugin PATH]
#include "bench/exporter/collada_writer.h"

#include "exporter/convert/convert_options.h"
#include "exporter/convert/convert_run.h"

#include <assimp/Exporter.hpp>
#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kRings = 160, kAround = 100, kBones = 40, kFrames = 200;
constexpr double kFps = 30.0;

std::unique_ptr<aiScene> buildScene() {
    auto scene = std::make_unique<aiScene>();
    scene->mRootNode = new aiNode("Scene");
    scene->mNumMaterials = 1;
    scene->mMaterials = new aiMaterial*[1]{new aiMaterial};
    aiString name("Skin");
    scene->mMaterials[0]->AddProperty(&name, AI_MATKEY_NAME);

    aiNode* body = new aiNode("Body");
    aiNode* parent = new aiNode("Joint0");
    aiNode* top[2] = {body, parent};
    scene->mRootNode->addChildren(2, top);
    for (int b = 1; b < kBones; ++b) {  // a chain of joints, each one ring-group higher
        aiNode* joint = new aiNode("Joint" + std::to_string(b));
        joint->mTransformation = aiMatrix4x4::Translation(aiVector3D(0, 4, 0), joint->mTransformation);
        parent->addChildren(1, &joint);
        parent = joint;
    }

    aiMesh* mesh = new aiMesh;
    mesh->mName = "Body";
    mesh->mPrimitiveTypes = aiPrimitiveType_TRIANGLE;
    mesh->mNumVertices = kRings * kAround;
    mesh->mVertices = new aiVector3D[mesh->mNumVertices];
    mesh->mTextureCoords[0] = new aiVector3D[mesh->mNumVertices];
    mesh->mNumUVComponents[0] = 2;
    const float ringStep = 4.0f * kBones / kRings;
    for (int r = 0; r < kRings; ++r)
        for (int a = 0; a < kAround; ++a) {
            const float angle = float(2 * M_PI * a / kAround);
            const unsigned v = unsigned(r * kAround + a);
            mesh->mVertices[v] = aiVector3D(3 * std::cos(angle), r * ringStep, 3 * std::sin(angle));
            mesh->mTextureCoords[0][v] = aiVector3D(float(a) / kAround, float(r) / kRings, 0);
        }
    mesh->mNumFaces = unsigned(2 * (kRings - 1) * kAround);
    mesh->mFaces = new aiFace[mesh->mNumFaces];
    unsigned f = 0;
    for (int r = 0; r + 1 < kRings; ++r)
        for (int a = 0; a < kAround; ++a) {
            const unsigned i0 = unsigned(r * kAround + a), i1 = unsigned(r * kAround + (a + 1) % kAround);
            const unsigned j0 = i0 + kAround, j1 = i1 + kAround;
            for (auto tri : {std::array<unsigned, 3>{i0, j0, i1}, std::array<unsigned, 3>{i1, j0, j1}}) {
                mesh->mFaces[f].mNumIndices = 3;
                mesh->mFaces[f].mIndices = new unsigned[3]{tri[0], tri[1], tri[2]};
                ++f;
            }
        }
    // Each ring weighs on the bone it lies at and the next, sliding between them.
    mesh->mNumBones = kBones;
    mesh->mBones = new aiBone*[kBones];
    std::vector<std::vector<aiVertexWeight>> weights(kBones);
    for (int r = 0; r < kRings; ++r) {
        const float at = r * ringStep / 4.0f;
        const int b0 = std::min(int(at), kBones - 1), b1 = std::min(b0 + 1, kBones - 1);
        const float w1 = b1 == b0 ? 0.0f : at - float(b0);
        for (int a = 0; a < kAround; ++a) {
            const unsigned v = unsigned(r * kAround + a);
            weights[std::size_t(b0)].push_back({v, 1.0f - w1});
            if (w1 > 0.0f) weights[std::size_t(b1)].push_back({v, w1});
        }
    }
    for (int b = 0; b < kBones; ++b) {
        aiBone* bone = new aiBone;
        bone->mName = "Joint" + std::to_string(b);
        bone->mOffsetMatrix = aiMatrix4x4::Translation(aiVector3D(0, -4.0f * b, 0), bone->mOffsetMatrix);
        bone->mNumWeights = unsigned(weights[std::size_t(b)].size());
        bone->mWeights = new aiVertexWeight[bone->mNumWeights];
        std::copy(weights[std::size_t(b)].begin(), weights[std::size_t(b)].end(), bone->mWeights);
        mesh->mBones[b] = bone;
    }
    scene->mNumMeshes = 1;
    scene->mMeshes = new aiMesh*[1]{mesh};
    body->mNumMeshes = 1;
    body->mMeshes = new unsigned[1]{0};

    // Every joint sways about Z, a little out of step with the one below.
    aiAnimation* animation = new aiAnimation;
    animation->mName = "sway";
    animation->mTicksPerSecond = kFps;
    animation->mDuration = kFrames - 1;
    animation->mNumChannels = kBones;
    animation->mChannels = new aiNodeAnim*[kBones];
    for (int b = 0; b < kBones; ++b) {
        aiNodeAnim* channel = new aiNodeAnim;
        channel->mNodeName = "Joint" + std::to_string(b);
        channel->mNumRotationKeys = kFrames;
        channel->mRotationKeys = new aiQuatKey[kFrames];
        channel->mNumPositionKeys = 1;
        channel->mPositionKeys = new aiVectorKey[1]{{0, aiVector3D(0, b == 0 ? 0.0f : 4.0f, 0)}};
        channel->mNumScalingKeys = 1;
        channel->mScalingKeys = new aiVectorKey[1]{{0, aiVector3D(1, 1, 1)}};
        for (int k = 0; k < kFrames; ++k)
            channel->mRotationKeys[k] = aiQuatKey(k, aiQuaternion(aiVector3D(0, 0, 1), 0.03f * std::sin(0.1f * k + 0.2f * b)));
        animation->mChannels[b] = channel;
    }
    scene->mNumAnimations = 1;
    scene->mAnimations = new aiAnimation*[1]{animation};
    return scene;
}

double seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

// Processor time of the whole process (every thread, user and system): on a busy machine it
// says what the work costs when the wall clock mostly says how long it waited for a processor.
double processorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto s = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return s(usage.ru_utime) + s(usage.ru_stime);
}

std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every file the conversion left in `folder` beside the scene file, by name.
std::vector<std::pair<std::string, std::string>> outputsOf(const std::filesystem::path& folder,
                                                           const std::string& sceneName) {
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name != sceneName && name.rfind("skinned", 0) == 0 && name.find(".bin") == std::string::npos)
            files.emplace_back(name, readAll(entry.path()));
    }
    return files;
}

// Writes `bytes` to `path`; with `flushSeconds`, also waits for them to be on the disk (as the
// conversion's file replacement does before its rename) and adds that wait to it.
bool writePlain(const std::filesystem::path& path, const std::string& bytes, double* flushSeconds = nullptr) {
    std::FILE* f = std::fopen(path.string().c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    if (flushSeconds != nullptr) {
        const auto flushStart = std::chrono::steady_clock::now();
        ok = std::fflush(f) == 0 && ::fsync(::fileno(f)) == 0 && ok;
        *flushSeconds += seconds(std::chrono::steady_clock::now() - flushStart);
    }
    return std::fclose(f) == 0 && ok;
}

}  // namespace

int runOne(const std::string& format, bool keep, const std::string& plugin) {
    const std::string extension = format == "collada" ? "dae" : "gltf";
    // One folder per run: two runs at once (the machine is shared) must not delete each other's files.
    const auto folder =
        std::filesystem::temp_directory_path() / ("korvathexp-convert-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string scenePath = (folder / ("skinned." + extension)).string();
    {
        auto scene = buildScene();
        Assimp::Exporter exporter;
        if (format == "collada") {
            if (!writeCollada(*scene, scenePath)) {
                std::cerr << "cannot write " << scenePath << '\n';
                return 1;
            }
        } else if (exporter.Export(scene.get(), format, scenePath) != AI_SUCCESS) {
            std::cerr << "cannot write the scene: " << exporter.GetErrorString() << '\n';
            return 1;
        }
    }

    // The best of a few rounds of each, so other work on the machine weighs less.
    constexpr int kRounds = 5;
    double load = 1e9, loadAndWrite = 1e9, loadAndDurableWrite = 1e9, flush = 1e9, whole = 1e9;
    double loadCpu = 1e9, loadAndWriteCpu = 1e9, loadAndDurableWriteCpu = 1e9, wholeCpu = 1e9;
    const auto plainFolder = folder / "plain";
    std::filesystem::create_directories(plainFolder);
    std::vector<std::pair<std::string, std::string>> outputs;  // of the last conversion
    for (int round = 0; round < kRounds; ++round) {
        const auto loadStart = std::chrono::steady_clock::now();
        double cpuStart = processorSeconds();
        {
            // The same import steps the converter asks for.
            Assimp::Importer importer;
            if (importer.ReadFile(scenePath, aiProcess_Triangulate | aiProcess_ValidateDataStructure) == nullptr) {
                std::cerr << "cannot read the scene back: " << importer.GetErrorString() << '\n';
                return 1;
            }
        }
        load = std::min(load, seconds(std::chrono::steady_clock::now() - loadStart));
        loadCpu = std::min(loadCpu, processorSeconds() - cpuStart);

        if (!outputs.empty()) {
            // Once a plain write, once a durable one (each file flushed to the disk).
            for (bool durable : {false, true}) {
                const auto referenceStart = std::chrono::steady_clock::now();
                cpuStart = processorSeconds();
                Assimp::Importer importer;
                if (importer.ReadFile(scenePath, aiProcess_Triangulate | aiProcess_ValidateDataStructure) == nullptr)
                    return 1;
                double flushed = 0.0;
                for (const auto& [name, bytes] : outputs)
                    if (!writePlain(plainFolder / name, bytes, durable ? &flushed : nullptr)) {
                        std::cerr << "cannot write " << (plainFolder / name).string() << '\n';
                        return 1;
                    }
                const double wall = seconds(std::chrono::steady_clock::now() - referenceStart);
                const double cpu = processorSeconds() - cpuStart;
                if (durable) {
                    loadAndDurableWrite = std::min(loadAndDurableWrite, wall);
                    loadAndDurableWriteCpu = std::min(loadAndDurableWriteCpu, cpu);
                    flush = std::min(flush, flushed);
                } else {
                    loadAndWrite = std::min(loadAndWrite, wall);
                    loadAndWriteCpu = std::min(loadAndWriteCpu, cpu);
                }
            }
        }

        korvath::convert::ConvertOptions options;
        options.scenePath = scenePath;
        options.outPath = (folder / "skinned.3d").string();
        options.pluginPath = plugin;
        options.scale = 0.5f;  // the 160-unit scene inside the format's span, as a sound export is
        std::ostringstream out, err;
        std::atomic<bool> cancel{false};
        const auto convertStart = std::chrono::steady_clock::now();
        cpuStart = processorSeconds();
        const int status = korvath::convert::runConvert(options, out, err, cancel);
        whole = std::min(whole, seconds(std::chrono::steady_clock::now() - convertStart));
        wholeCpu = std::min(wholeCpu, processorSeconds() - cpuStart);
        if (status != 0) {
            std::cerr << "conversion failed (" << status << "):\n" << err.str();
            return 1;
        }
        if (err.str().find("wrapped around") != std::string::npos)
            std::cerr << "the scene wraps: the figures include measuring it again\n";
        if (outputs.empty()) {
            outputs = outputsOf(folder, std::filesystem::path(scenePath).filename().string());
            --round;  // the first conversion only finds out what is written
        }
    }
    const auto animationSize = std::filesystem::file_size(folder / "skinned_a.3d");
    std::printf("%s scene: %s, %d vertices, %d bones, %d frames; animation file %llu bytes\n", format.c_str(), scenePath.c_str(),
                kRings * kAround, kBones, kFrames, static_cast<unsigned long long>(animationSize));
    std::printf("assimp load: %.1f ms\nassimp load + one write of the output bytes: %.1f ms\n"
                "assimp load + one durable write (each file flushed to the disk): %.1f ms\n"
                "whole conversion (its files flushed to the disk before they replace the old ones): %.1f ms\n"
                "ratio to the load: %.2f\nratio to the load and write: %.2f (target at most 1.5)\n"
                "ratio to the load and durable write: %.2f\n",
                load * 1000, loadAndWrite * 1000, loadAndDurableWrite * 1000, whole * 1000, whole / load,
                whole / loadAndWrite, whole / loadAndDurableWrite);
    std::printf("flushing the output bytes to the disk: %.1f ms when a writer waits for all of it at the end (the "
                "durable write above), %.0f %% of the conversion's wall time; the conversion starts its flushes "
                "while it packs frames and waits only for the rest\n",
                flush * 1000, 100.0 * flush / whole);
    std::printf("processor time (all threads): load %.1f ms, load + write %.1f ms, load + durable write %.1f ms, "
                "conversion %.1f ms; ratio to the load and write %.2f\n",
                loadCpu * 1000, loadAndWriteCpu * 1000, loadAndDurableWriteCpu * 1000, wholeCpu * 1000,
                wholeCpu / loadAndWriteCpu);
    if (!keep) std::filesystem::remove_all(folder);
    return 0;
}

int main(int argc, char** argv) {
    std::vector<std::string> formats;
    bool keep = false;  // leave the scene file for profiling the converter on its own
    std::string plugin = KORVATHEXP_PLUGIN_PATH;  // another build's, to compare two in one sitting
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--keep") keep = true;
        if (arg == "--format" && i + 1 < argc) formats.push_back(argv[++i]);
        if (arg == "--plugin" && i + 1 < argc) plugin = argv[++i];
    }
    if (formats.empty()) formats = {"gltf2", "collada"};
    for (const std::string& format : formats)
        if (runOne(format, keep, plugin) != 0) return 1;
    return 0;
}
