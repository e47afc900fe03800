#include "bench/exporter/collada_writer.h"

#include <assimp/scene.h>

#include <charconv>
#include <fstream>
#include <string>
#include <vector>

namespace {

class Text {
public:
    Text& operator<<(const std::string& s) {
        out_ += s;
        return *this;
    }
    Text& number(double v) {
        char buffer[32];
        auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, float(v));
        (void)ec;
        out_.append(buffer, end);
        out_ += ' ';
        return *this;
    }
    Text& matrix(const aiMatrix4x4& m) {
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) number(m[r][c]);
        return *this;
    }
    const std::string& str() const { return out_; }

private:
    std::string out_;
};

std::string count(std::size_t n) { return "\"" + std::to_string(n) + "\""; }

void source(Text& t, const std::string& id, const std::string& arrayKind, std::size_t n, const std::string& values,
            std::size_t stride, const std::string& params) {
    t << "<source id=\"" << id << "\"><" << arrayKind << " id=\"" << id << "-array\" count=" << count(n) << ">" << values
      << "</" << arrayKind << "><technique_common><accessor source=\"#" << id << "-array\" count=" << count(n / stride)
      << " stride=" << count(stride) << ">" << params << "</accessor></technique_common></source>\n";
}

void jointNodes(Text& t, const aiNode* node) {
    const std::string name = node->mName.C_Str();
    t << "<node id=\"" << name << "\" sid=\"" << name << "\" name=\"" << name << "\" type=\"JOINT\"><matrix sid=\"transform\">";
    t.matrix(node->mTransformation);
    t << "</matrix>\n";
    for (unsigned i = 0; i < node->mNumChildren; ++i) jointNodes(t, node->mChildren[i]);
    t << "</node>\n";
}

}  // namespace

bool writeCollada(const aiScene& scene, const std::string& path) {
    const aiMesh& mesh = *scene.mMeshes[0];
    const aiNode* body = scene.mRootNode->mChildren[0];
    const aiNode* firstJoint = scene.mRootNode->mChildren[1];
    Text t;
    t << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
         "<COLLADA xmlns=\"http://www.collada.org/2005/11/COLLADASchema\" version=\"1.4.1\">\n"
         "<asset><unit name=\"meter\" meter=\"1\"/><up_axis>Y_UP</up_axis></asset>\n<library_geometries>\n"
         "<geometry id=\"body-mesh\" name=\"Body\"><mesh>\n";
    Text positions, uvs, indices;
    for (unsigned v = 0; v < mesh.mNumVertices; ++v) {
        positions.number(mesh.mVertices[v].x).number(mesh.mVertices[v].y).number(mesh.mVertices[v].z);
        uvs.number(mesh.mTextureCoords[0][v].x).number(mesh.mTextureCoords[0][v].y);
    }
    for (unsigned f = 0; f < mesh.mNumFaces; ++f)
        for (int c = 0; c < 3; ++c) indices << std::to_string(mesh.mFaces[f].mIndices[c]) << " ";
    source(t, "body-positions", "float_array", 3 * mesh.mNumVertices, positions.str(), 3,
           "<param name=\"X\" type=\"float\"/><param name=\"Y\" type=\"float\"/><param name=\"Z\" type=\"float\"/>");
    source(t, "body-uvs", "float_array", 2 * mesh.mNumVertices, uvs.str(), 2,
           "<param name=\"S\" type=\"float\"/><param name=\"T\" type=\"float\"/>");
    t << "<vertices id=\"body-vertices\"><input semantic=\"POSITION\" source=\"#body-positions\"/></vertices>\n"
      << "<triangles count=" << count(mesh.mNumFaces)
      << "><input semantic=\"VERTEX\" source=\"#body-vertices\" offset=\"0\"/>"
         "<input semantic=\"TEXCOORD\" source=\"#body-uvs\" offset=\"0\" set=\"0\"/><p>"
      << indices.str() << "</p></triangles>\n</mesh></geometry>\n</library_geometries>\n";

    // The skin: joints, their inverse bind matrices, and per vertex its (joint, weight) pairs.
    std::string jointNames;
    Text bind, weights;
    std::vector<std::vector<std::pair<unsigned, unsigned>>> perVertex(mesh.mNumVertices);
    std::size_t weightCount = 0;
    for (unsigned b = 0; b < mesh.mNumBones; ++b) {
        const aiBone& bone = *mesh.mBones[b];
        jointNames += std::string(bone.mName.C_Str()) + " ";
        bind.matrix(bone.mOffsetMatrix);
        for (unsigned w = 0; w < bone.mNumWeights; ++w) {
            weights.number(bone.mWeights[w].mWeight);
            perVertex[bone.mWeights[w].mVertexId].push_back({b, unsigned(weightCount++)});
        }
    }
    std::string vcount, v;
    for (const auto& list : perVertex) {
        vcount += std::to_string(list.size()) + " ";
        for (const auto& [joint, weight] : list) v += std::to_string(joint) + " " + std::to_string(weight) + " ";
    }
    t << "<library_controllers><controller id=\"body-skin\"><skin source=\"#body-mesh\">"
         "<bind_shape_matrix>1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1</bind_shape_matrix>\n";
    source(t, "skin-joints", "Name_array", mesh.mNumBones, jointNames, 1, "<param name=\"JOINT\" type=\"name\"/>");
    source(t, "skin-bind", "float_array", 16 * mesh.mNumBones, bind.str(), 16, "<param name=\"TRANSFORM\" type=\"float4x4\"/>");
    source(t, "skin-weights", "float_array", weightCount, weights.str(), 1, "<param name=\"WEIGHT\" type=\"float\"/>");
    t << "<joints><input semantic=\"JOINT\" source=\"#skin-joints\"/><input semantic=\"INV_BIND_MATRIX\" "
         "source=\"#skin-bind\"/></joints>\n<vertex_weights count="
      << count(mesh.mNumVertices)
      << "><input semantic=\"JOINT\" source=\"#skin-joints\" offset=\"0\"/><input semantic=\"WEIGHT\" "
         "source=\"#skin-weights\" offset=\"1\"/><vcount>"
      << vcount << "</vcount><v>" << v << "</v></vertex_weights>\n</skin></controller></library_controllers>\n";

    // One matrix animation per joint: its own translation, turned by each rotation key.
    const aiAnimation& animation = *scene.mAnimations[0];
    t << "<library_animations>\n";
    for (unsigned c = 0; c < animation.mNumChannels; ++c) {
        const aiNodeAnim& ch = *animation.mChannels[c];
        const std::string id = std::string(ch.mNodeName.C_Str()) + "-anim";
        Text times, matrices;
        std::string interpolation;
        for (unsigned k = 0; k < ch.mNumRotationKeys; ++k) {
            times.number(ch.mRotationKeys[k].mTime / animation.mTicksPerSecond);
            const aiMatrix4x4 m(aiVector3D(1, 1, 1), ch.mRotationKeys[k].mValue, ch.mPositionKeys[0].mValue);
            matrices.matrix(m);
            interpolation += "LINEAR ";
        }
        t << "<animation id=\"" << id << "\">\n";
        source(t, id + "-input", "float_array", ch.mNumRotationKeys, times.str(), 1, "<param name=\"TIME\" type=\"float\"/>");
        source(t, id + "-output", "float_array", 16 * ch.mNumRotationKeys, matrices.str(), 16,
               "<param name=\"TRANSFORM\" type=\"float4x4\"/>");
        source(t, id + "-interpolation", "Name_array", ch.mNumRotationKeys, interpolation, 1,
               "<param name=\"INTERPOLATION\" type=\"name\"/>");
        t << "<sampler id=\"" << id << "-sampler\"><input semantic=\"INPUT\" source=\"#" << id
          << "-input\"/><input semantic=\"OUTPUT\" source=\"#" << id
          << "-output\"/><input semantic=\"INTERPOLATION\" source=\"#" << id << "-interpolation\"/></sampler>"
          << "<channel source=\"#" << id << "-sampler\" target=\"" << ch.mNodeName.C_Str() << "/transform\"/>\n</animation>\n";
    }
    t << "</library_animations>\n<library_visual_scenes><visual_scene id=\"Scene\" name=\"Scene\">\n";
    jointNodes(t, firstJoint);
    t << "<node id=\"" << body->mName.C_Str() << "\" name=\"" << body->mName.C_Str()
      << "\" type=\"NODE\"><matrix sid=\"transform\">1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1</matrix>"
         "<instance_controller url=\"#body-skin\"><skeleton>#"
      << firstJoint->mName.C_Str() << "</skeleton></instance_controller></node>\n"
      << "</visual_scene></library_visual_scenes>\n<scene><instance_visual_scene url=\"#Scene\"/></scene>\n</COLLADA>\n";
    std::ofstream file(path, std::ios::binary);
    file << t.str();
    return bool(file);
}
