#include "landforge/terrain/t3d_export.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "common/files/atomic_file.h"
#include "landforge/terrain/fixed_format.h"

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
constexpr std::string_view kTopTextures =
    "      TextureU +1.000000,+0.000000,+0.000000\r\n      TextureV +0.000000,+1.000000,+0.000000\r\n";
constexpr std::string_view kNormal = "      Normal   ";
constexpr std::string_view kVertex = "      Vertex   ";
constexpr std::size_t kLineRoom = 15 + 3 * kMaxFixedChars + 4;

// A growing text whose room is reserved before writing, so the writers can use a raw pointer.
// Its memory is neither zero-filled nor given back between pieces.
class TextBuffer {
public:
    char* room(std::size_t n) {
        if (capacity_ - used_ < n) {
            std::size_t grown = std::max(capacity_ * 2, used_ + n);
            auto bigger = std::make_unique_for_overwrite<char[]>(grown);
            if (used_) std::memcpy(bigger.get(), data_.get(), used_);
            data_ = std::move(bigger);
            capacity_ = grown;
        }
        return data_.get() + used_;
    }
    void commit(char* end) { used_ = static_cast<std::size_t>(end - data_.get()); }
    void append(std::string_view s) { commit(copy(room(s.size()), s)); }
    std::size_t size() const { return used_; }
    std::string_view view() const { return std::string_view(data_.get(), used_); }
    void clear() { used_ = 0; }
    static char* copy(char* out, std::string_view s) {
        std::memcpy(out, s.data(), s.size());
        return out + s.size();
    }

private:
    std::unique_ptr<char[]> data_;
    std::size_t capacity_ = 0;
    std::size_t used_ = 0;
};

// "label x,y,z" and CR LF.
char* writeLine(char* e, std::string_view label, Vec v) {
    e = TextBuffer::copy(e, label);
    e = formatSignedFixed(e, v.x);
    *e++ = ',';
    e = formatSignedFixed(e, v.y);
    *e++ = ',';
    e = formatSignedFixed(e, v.z);
    *e++ = '\r';
    *e++ = '\n';
    return e;
}

class Writer {
public:
    Writer(TextBuffer& out, double scale, double base) : out_(out), s_(scale), base_(base) {}

    void polygon(Vec normal, std::string_view texU, const Vec* vertices, int count) {
        char* e = out_.room(kBegin.size() + kEnd.size() + 3 * kLineRoom + 4 * kLineRoom);
        e = TextBuffer::copy(e, kBegin);
        e = writeLine(e, kNormal, normal);
        e = TextBuffer::copy(e, texU);
        e = TextBuffer::copy(e, kTexV);
        for (int k = 0; k < count; ++k) e = writeLine(e, kVertex, vertices[k]);
        out_.commit(TextBuffer::copy(e, kEnd));
    }

    Vec top(const TerrainPoint& p) const { return {s_ * p.x, s_ * p.y, s_ * p.z}; }
    Vec low(const TerrainPoint& p) const { return {s_ * p.x, s_ * p.y, base_}; }
    TextBuffer& out() { return out_; }

private:
    TextBuffer& out_;
    double s_;
    double base_;
};

// The vertex lines of consecutive rows, each point formatted once though up to six
// triangles use it.
class VertexLines {
public:
    VertexLines(const ExportArea& a, const Writer& w, int firstRow, int lastRow, TextBuffer& text)
        : width_(a.width), firstRow_(firstRow), text_(text) {
        std::size_t count = static_cast<std::size_t>(lastRow - firstRow + 1) * a.width;
        offsets_.reserve(count + 1);
        text.clear();
        offsets_.push_back(0);
        for (int j = firstRow; j <= lastRow; ++j)
            for (int i = 0; i < a.width; ++i) {
                text.commit(writeLine(text.room(kLineRoom), kVertex, w.top(a.p(i, j))));
                offsets_.push_back(static_cast<std::uint32_t>(text.size()));
            }
    }
    std::string_view line(int i, int j) const {
        std::size_t k = static_cast<std::size_t>(j - firstRow_) * width_ + i;
        return text_.view().substr(offsets_[k], offsets_[k + 1] - offsets_[k]);
    }
    std::size_t longest() const {
        std::size_t m = 0;
        for (std::size_t k = 0; k + 1 < offsets_.size(); ++k) m = std::max<std::size_t>(m, offsets_[k + 1] - offsets_[k]);
        return m;
    }

private:
    int width_;
    int firstRow_;
    const TextBuffer& text_;
    std::vector<std::uint32_t> offsets_;
};

void triangle(TextBuffer& out, std::size_t room, Vec normal, std::string_view a, std::string_view b,
              std::string_view c) {
    char* e = out.room(room);
    e = TextBuffer::copy(e, kBegin);
    e = writeLine(e, kNormal, normal);
    e = TextBuffer::copy(e, kTopTextures);
    e = TextBuffer::copy(e, a);
    e = TextBuffer::copy(e, b);
    e = TextBuffer::copy(e, c);
    out.commit(TextBuffer::copy(e, kEnd));
}

void topRows(const ExportArea& a, Writer& w, int firstRow, int endRow, TextBuffer& scratch) {
    if (firstRow >= endRow) return;
    VertexLines lines(a, w, firstRow, endRow, scratch);
    const std::size_t room = kBegin.size() + kLineRoom + 2 * kTexU.size() + kEnd.size() + 3 * lines.longest();
    TextBuffer& out = w.out();
    out.room(room * 2 * static_cast<std::size_t>(endRow - firstRow) * (a.width - 1));  // one allocation
    for (int j = firstRow; j < endRow; ++j)
        for (int i = 0; i + 1 < a.width; ++i) {
            int diag = a.diagonals[static_cast<std::size_t>(j) * (a.width - 1) + i];
            if (diag != 1 && diag != 2) continue;
            Vec A = vec(a.p(i, j)), B = vec(a.p(i + 1, j)), C = vec(a.p(i + 1, j + 1)), D = vec(a.p(i, j + 1));
            std::string_view la = lines.line(i, j), lb = lines.line(i + 1, j), lc = lines.line(i + 1, j + 1),
                             ld = lines.line(i, j + 1);
            if (diag == 1) {
                triangle(out, room, unit(cross(A - B, C - B)), la, lb, lc);
                triangle(out, room, -unit(cross(A - D, C - D)), la, lc, ld);
            } else {
                triangle(out, room, -unit(cross(B - A, D - A)), lb, ld, la);
                triangle(out, room, unit(cross(B - C, D - C)), ld, lb, lc);
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

constexpr int kRowsPerPiece = 4;

// Piece k < rowPieces holds top-surface rows; the last piece the walls, bottom and end line.
struct Plan {
    const ExportArea& area;
    double s;
    double base;
    int rowPieces;

    int pieces() const { return rowPieces + 1; }
    void build(int k, TextBuffer& out, TextBuffer& scratch) const {
        Writer w(out, s, base);
        if (k == 0) out.append("Begin PolyList\r\n");
        if (k < rowPieces) {
            int first = k * kRowsPerPiece;
            topRows(area, w, first, std::min(first + kRowsPerPiece, area.height - 1), scratch);
        } else {
            wallsAndBottom(area, w);
            out.append("End PolyList\r\n");
        }
    }
};

Plan makePlan(const ExportArea& a, int scale) {
    double s = 1.6 * scale;
    int rows = std::max(a.height - 1, 0);
    return {a, s, baseHeight(a, s), (rows + kRowsPerPiece - 1) / kRowsPerPiece};
}

// Two threads take pieces in turn, each formatting into its own reused buffer, and hand each
// piece to `consume` in order. Reusing the buffers keeps the memory small and already mapped.
template <typename Consume>
void producePieces(const Plan& plan, Consume consume) {
    const int n = plan.pieces();
    std::atomic<int> next{0};
    std::mutex mutex;
    std::condition_variable turn;
    int written = 0;
    auto work = [&] {
        TextBuffer buffer, scratch;
        for (int k = next++; k < n; k = next++) {
            buffer.clear();
            plan.build(k, buffer, scratch);
            std::unique_lock lock(mutex);
            turn.wait(lock, [&] { return written == k; });
            consume(buffer.view());
            ++written;
            turn.notify_all();
        }
    };
    std::thread helper(work);
    work();
    helper.join();
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

std::string t3dText(const ExportArea& area, int scale) {
    std::string text;
    producePieces(makePlan(area, scale), [&](std::string_view piece) { text += piece; });
    return text;
}

korvath::Status writeT3dFile(const ExportArea& area, int scale, const std::string& path) {
    korvath::AtomicFileWriter file;
    if (korvath::Status opened = file.open(path); !opened) return opened;
    producePieces(makePlan(area, scale), [&](std::string_view piece) { file.write(piece); });
    return file.commit();
}

}  // namespace landforge
