#include "terrain/t3d_export.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <future>
#include <thread>

#include "terrain/chunk_file.h"
#include "terrain/fixed_format.h"

namespace landforge {

namespace {

struct Vec {
    double x, y, z;
};

Vec vec(const TerrainPoint& p) { return {p.x, p.y, p.z}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec operator-(Vec a) { return {-a.x, -a.y, -a.z}; }
Vec cross(Vec u, Vec v) { return {u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x}; }

// Divides by the length only when it exceeds 1 (shorter vectors are scaled by it instead).
Vec unit(Vec v) {
    double len = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    if (len > 1.0) return {v.x / len, v.y / len, v.z / len};
    return {v.x * len, v.y * len, v.z * len};
}

constexpr std::string_view kBegin = "   Begin Polygon\r\n      Origin   +0.000000,+0.000000,+0.000000\r\n";
constexpr std::string_view kEnd = "   End Polygon\r\n";
constexpr std::string_view kTexU = "      TextureU +1.000000,+0.000000,+0.000000\r\n";
constexpr std::string_view kTexUNeg = "      TextureU -1.000000,+0.000000,+0.000000\r\n";
constexpr std::string_view kTexV = "      TextureV +0.000000,+1.000000,+0.000000\r\n";

class Writer {
public:
    Writer(std::string& out, double scale, double base) : out_(out), s_(scale), base_(base) {}

    void polygon(Vec normal, std::string_view texU, const Vec* vertices, int count) {
        out_.append(kBegin);
        line("      Normal   ", normal);
        out_.append(texU);
        out_.append(kTexV);
        for (int k = 0; k < count; ++k) line("      Vertex   ", vertices[k]);
        out_.append(kEnd);
    }

    Vec top(const TerrainPoint& p) const { return {s_ * p.x, s_ * p.y, s_ * p.z}; }
    Vec low(const TerrainPoint& p) const { return {s_ * p.x, s_ * p.y, base_}; }

private:
    void line(std::string_view label, Vec v) {
        char buf[3 * kMaxFixedChars + 64];
        char* e = buf;
        std::memcpy(e, label.data(), label.size());
        e += label.size();
        e = formatSignedFixed(e, v.x);
        *e++ = ',';
        e = formatSignedFixed(e, v.y);
        *e++ = ',';
        e = formatSignedFixed(e, v.z);
        *e++ = '\r';
        *e++ = '\n';
        out_.append(buf, static_cast<std::size_t>(e - buf));
    }

    std::string& out_;
    double s_;
    double base_;
};

void topRows(const ExportArea& a, Writer& w, int firstRow, int endRow) {
    for (int j = firstRow; j < endRow; ++j)
        for (int i = 0; i + 1 < a.width; ++i) {
            int diag = a.diagonals[static_cast<std::size_t>(j) * (a.width - 1) + i];
            if (diag != 1 && diag != 2) continue;
            const TerrainPoint &pa = a.p(i, j), &pb = a.p(i + 1, j), &pc = a.p(i + 1, j + 1), &pd = a.p(i, j + 1);
            Vec A = vec(pa), B = vec(pb), C = vec(pc), D = vec(pd);
            if (diag == 1) {
                Vec v1[3] = {w.top(pa), w.top(pb), w.top(pc)};
                w.polygon(unit(cross(A - B, C - B)), kTexU, v1, 3);
                Vec v2[3] = {w.top(pa), w.top(pc), w.top(pd)};
                w.polygon(-unit(cross(A - D, C - D)), kTexU, v2, 3);
            } else {
                Vec v1[3] = {w.top(pb), w.top(pd), w.top(pa)};
                w.polygon(-unit(cross(B - A, D - A)), kTexU, v1, 3);
                Vec v2[3] = {w.top(pd), w.top(pb), w.top(pc)};
                w.polygon(unit(cross(B - C, D - C)), kTexU, v2, 3);
            }
        }
}

void wallsAndBottom(const ExportArea& a, Writer& w) {
    const int W = a.width, H = a.height;
    for (int i = 0; i + 1 < W; ++i) {
        Vec nearEdge[4] = {w.top(a.p(i + 1, 0)), w.top(a.p(i, 0)), w.low(a.p(i, 0)), w.low(a.p(i + 1, 0))};
        w.polygon({0, 1, 0}, kTexUNeg, nearEdge, 4);
        Vec farEdge[4] = {w.top(a.p(i, H - 1)), w.top(a.p(i + 1, H - 1)), w.low(a.p(i + 1, H - 1)),
                          w.low(a.p(i, H - 1))};
        w.polygon({0, 1, 0}, kTexU, farEdge, 4);
    }
    for (int j = 1; j < H; ++j) {
        Vec left[4] = {w.top(a.p(0, j - 1)), w.top(a.p(0, j)), w.low(a.p(0, j)), w.low(a.p(0, j - 1))};
        w.polygon({1, 0, 0}, kTexU, left, 4);
        Vec right[4] = {w.top(a.p(W - 1, j)), w.top(a.p(W - 1, j - 1)), w.low(a.p(W - 1, j - 1)),
                        w.low(a.p(W - 1, j))};
        w.polygon({-1, 0, 0}, kTexU, right, 4);
    }
    Vec bottom[4] = {w.low(a.p(0, 0)), w.low(a.p(0, H - 1)), w.low(a.p(W - 1, H - 1)), w.low(a.p(W - 1, 0))};
    w.polygon({0, 0, -1}, kTexU, bottom, 4);
}

double baseHeight(const ExportArea& a, double s) {
    float lowest = a.points.front().z;
    for (const TerrainPoint& p : a.points) lowest = std::min(lowest, p.z);
    return std::min(255.0, s * lowest) - 32.0;
}

constexpr int kRowsPerPiece = 16;

// Piece k < rowPieces holds top-surface rows; the last piece the walls, bottom and end line.
struct Plan {
    const ExportArea& area;
    double s;
    double base;
    int rowPieces;

    int pieces() const { return rowPieces + 1; }
    std::string build(int k) const {
        std::string out;
        Writer w(out, s, base);
        if (k < rowPieces) {
            int first = k * kRowsPerPiece;
            int end = std::min(first + kRowsPerPiece, area.height - 1);
            out.reserve(static_cast<std::size_t>(end - first) * (area.width - 1) * 2 * 420 + 32);
            if (k == 0) out.append("Begin PolyList\r\n");
            topRows(area, w, first, end);
        } else {
            if (k == 0) out.append("Begin PolyList\r\n");
            wallsAndBottom(area, w);
            out.append("End PolyList\r\n");
        }
        return out;
    }
};

Plan makePlan(const ExportArea& a, int scale) {
    double s = 1.6 * scale;
    int rows = std::max(a.height - 1, 0);
    return {a, s, baseHeight(a, s), (rows + kRowsPerPiece - 1) / kRowsPerPiece};
}

// Builds the pieces on two threads and hands each to `consume` in order as soon as it is ready.
template <typename Consume>
void producePieces(const Plan& plan, Consume consume) {
    int n = plan.pieces();
    std::vector<std::promise<std::string>> promises(static_cast<std::size_t>(n));
    std::vector<std::future<std::string>> futures;
    for (auto& p : promises) futures.push_back(p.get_future());
    std::atomic<int> next{0};
    auto work = [&] {
        for (int k = next++; k < n; k = next++) promises[static_cast<std::size_t>(k)].set_value(plan.build(k));
    };
    std::thread helper(work);
    std::thread second(work);
    for (auto& f : futures) consume(f.get());
    helper.join();
    second.join();
}

}  // namespace

ExportArea exportArea(const Heightfield& grid, const GridRect& r) {
    ExportArea a;
    a.width = r.width;
    a.height = r.height;
    bool rebase = !(r == kFullRect);
    float offX = static_cast<float>(10 * r.x), offY = static_cast<float>(10 * r.y);
    a.points.reserve(static_cast<std::size_t>(r.width) * r.height);
    for (int j = 0; j < r.height; ++j)
        for (int i = 0; i < r.width; ++i) {
            TerrainPoint p = grid.point(r.x + i, r.y + j);
            if (rebase) {
                p.x -= offX;
                p.y -= offY;
            }
            a.points.push_back(p);
        }
    for (int j = 0; j + 1 < r.height; ++j)
        for (int i = 0; i + 1 < r.width; ++i) a.diagonals.push_back(grid.cell(r.x + i, r.y + j).diagonal);
    return a;
}

std::vector<std::string> t3dPieces(const ExportArea& area, int scale) {
    std::vector<std::string> pieces;
    producePieces(makePlan(area, scale), [&](std::string piece) { pieces.push_back(std::move(piece)); });
    return pieces;
}

std::string t3dText(const ExportArea& area, int scale) {
    std::string text;
    for (const std::string& piece : t3dPieces(area, scale)) text += piece;
    return text;
}

korvath::Status writeT3dFile(const ExportArea& area, int scale, const std::string& path) {
    ChunkFile file(path);
    if (!file.opened()) return korvath::Status::failure(file.error());
    producePieces(makePlan(area, scale), [&](std::string piece) { file.write(piece); });
    return file.commit();
}

}  // namespace landforge
