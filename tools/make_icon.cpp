// Draws the program's icon and writes it as a Windows .ico: seven 32-bit images with alpha,
// 16 to 256 pixels, each stored as a PNG. Needs nothing but the C++ standard library, so the
// PNG and zlib framing (stored deflate blocks, CRC-32, Adler-32) are written here by hand.
//
//   make_icon <out.ico> [folder for the PNGs, to look at them]
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

struct Rgb {
    double r, g, b;
};

constexpr Rgb kRim = {0, 134, 176};
constexpr Rgb kInside = {0, 140, 182};
constexpr Rgb kCross = {255, 255, 255};
constexpr int kSizes[] = {16, 24, 32, 48, 64, 128, 256};
// Samples per pixel along each axis: 64 per pixel smooth the rounded corners.
constexpr int kSubsamples = 8;

// ---- Picture --------------------------------------------------------------------------------

// The shapes of one size, in pixels, edges on whole pixels where they are straight so small
// sizes stay sharp.
struct Layout {
    double left, right;         // the rounded square, the same vertically
    double radius;              // its corners
    double rim;                 // width of the darker band along its edge
    double crossNear, crossFar; // the cross's bar across the middle
    double armNear, armFar;     // how far the bars reach
};

// The nearest whole number to `value` that has the parity of `size`, so a centred span of
// that length starts and ends on pixel edges.
double centredSpan(double value, int size) {
    int n = static_cast<int>(std::lround(value));
    if ((n - size) % 2 != 0) n += value > n ? 1 : -1;
    return n;
}

Layout layoutFor(int size) {
    Layout l{};
    const double margin = std::floor(size / 32.0);
    const double side = size - 2 * margin;
    l.left = margin;
    l.right = size - margin;
    l.radius = side * 0.19;
    l.rim = size / 32.0 < 1 ? 1 : size / 32.0;
    const double bar = centredSpan(side * 0.2, size);
    const double arm = centredSpan(side * 0.62, size);
    l.crossNear = (size - bar) / 2;
    l.crossFar = (size + bar) / 2;
    l.armNear = (size - arm) / 2;
    l.armFar = (size + arm) / 2;
    return l;
}

// Signed distance from the rounded square's edge: negative inside.
double squareDistance(const Layout& l, double x, double y) {
    const double centre = (l.left + l.right) / 2;
    const double inner = (l.right - l.left) / 2 - l.radius;
    const double qx = std::fabs(x - centre) - inner;
    const double qy = std::fabs(y - centre) - inner;
    const double outside = std::hypot(qx > 0 ? qx : 0, qy > 0 ? qy : 0);
    const double inside = qx > qy ? qx : qy;
    return outside + (inside < 0 ? inside : 0) - l.radius;
}

bool inCross(const Layout& l, double x, double y) {
    const bool horizontal = y >= l.crossNear && y < l.crossFar && x >= l.armNear && x < l.armFar;
    const bool vertical = x >= l.crossNear && x < l.crossFar && y >= l.armNear && y < l.armFar;
    return horizontal || vertical;
}

// RGBA rows, straight (not premultiplied) alpha, as PNG wants them.
Bytes drawIcon(int size) {
    const Layout l = layoutFor(size);
    Bytes pixels(static_cast<size_t>(size) * size * 4);
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            Rgb sum = {0, 0, 0};
            int covered = 0;
            for (int sy = 0; sy < kSubsamples; ++sy) {
                for (int sx = 0; sx < kSubsamples; ++sx) {
                    const double x = px + (sx + 0.5) / kSubsamples;
                    const double y = py + (sy + 0.5) / kSubsamples;
                    const double d = squareDistance(l, x, y);
                    if (d > 0) continue;
                    const Rgb c = inCross(l, x, y) ? kCross : d > -l.rim ? kRim : kInside;
                    sum.r += c.r;
                    sum.g += c.g;
                    sum.b += c.b;
                    ++covered;
                }
            }
            uint8_t* p = &pixels[(static_cast<size_t>(py) * size + px) * 4];
            if (covered == 0) continue;
            p[0] = static_cast<uint8_t>(std::lround(sum.r / covered));
            p[1] = static_cast<uint8_t>(std::lround(sum.g / covered));
            p[2] = static_cast<uint8_t>(std::lround(sum.b / covered));
            p[3] = static_cast<uint8_t>(std::lround(255.0 * covered / (kSubsamples * kSubsamples)));
        }
    }
    return pixels;
}

// ---- PNG ------------------------------------------------------------------------------------

uint32_t crc32(const uint8_t* data, size_t size, uint32_t crc = 0) {
    static uint32_t table[256];
    if (table[1] == 0) {
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
    }
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

uint32_t adler32(const Bytes& data) {
    uint32_t a = 1, b = 0;
    for (uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void putBigEndian32(Bytes& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

void putLittleEndian16(Bytes& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void putLittleEndian32(Bytes& out, uint32_t v) {
    putLittleEndian16(out, v & 0xFFFF);
    putLittleEndian16(out, v >> 16);
}

void putChunk(Bytes& png, const char* type, const Bytes& data) {
    putBigEndian32(png, static_cast<uint32_t>(data.size()));
    const size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    putBigEndian32(png, crc32(&png[start], png.size() - start));
}

// A zlib stream of stored (uncompressed) deflate blocks: always valid, no compressor needed.
Bytes zlibStored(const Bytes& raw) {
    Bytes z = {0x78, 0x01};
    size_t offset = 0;
    do {
        const size_t count = raw.size() - offset < 65535 ? raw.size() - offset : 65535;
        const bool last = offset + count == raw.size();
        z.push_back(last ? 1 : 0);
        putLittleEndian16(z, static_cast<uint32_t>(count));
        putLittleEndian16(z, static_cast<uint32_t>(~count & 0xFFFF));
        z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(offset),
                 raw.begin() + static_cast<std::ptrdiff_t>(offset + count));
        offset += count;
    } while (offset < raw.size());
    putBigEndian32(z, adler32(raw));
    return z;
}

Bytes encodePng(int size, const Bytes& rgba) {
    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    putBigEndian32(header, static_cast<uint32_t>(size));
    putBigEndian32(header, static_cast<uint32_t>(size));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter, no interlace
    putChunk(png, "IHDR", header);

    Bytes rows;
    const size_t stride = static_cast<size_t>(size) * 4;
    for (int y = 0; y < size; ++y) {
        rows.push_back(0);  // filter: none
        rows.insert(rows.end(), rgba.begin() + static_cast<std::ptrdiff_t>(y * stride),
                    rgba.begin() + static_cast<std::ptrdiff_t>((y + 1) * stride));
    }
    putChunk(png, "IDAT", zlibStored(rows));
    putChunk(png, "IEND", {});
    return png;
}

// ---- ICO ------------------------------------------------------------------------------------

Bytes encodeIco(const std::vector<Bytes>& pngs) {
    constexpr int kCount = sizeof kSizes / sizeof kSizes[0];
    Bytes ico;
    putLittleEndian16(ico, 0);       // reserved
    putLittleEndian16(ico, 1);       // an icon, not a cursor
    putLittleEndian16(ico, kCount);
    uint32_t offset = 6 + 16 * kCount;
    for (int i = 0; i < kCount; ++i) {
        const int size = kSizes[i];
        ico.push_back(static_cast<uint8_t>(size == 256 ? 0 : size));  // 0 stands for 256
        ico.push_back(static_cast<uint8_t>(size == 256 ? 0 : size));
        ico.push_back(0);            // no palette
        ico.push_back(0);
        putLittleEndian16(ico, 1);   // planes
        putLittleEndian16(ico, 32);  // bits per pixel
        putLittleEndian32(ico, static_cast<uint32_t>(pngs[i].size()));
        putLittleEndian32(ico, offset);
        offset += static_cast<uint32_t>(pngs[i].size());
    }
    for (const Bytes& png : pngs) ico.insert(ico.end(), png.begin(), png.end());
    return ico;
}

bool writeFile(const std::string& path, const Bytes& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && written;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fputs("usage: make_icon <out.ico> [png folder]\n", stderr);
        return 2;
    }
    std::vector<Bytes> pngs;
    for (int size : kSizes) {
        pngs.push_back(encodePng(size, drawIcon(size)));
        if (argc == 3 &&
            !writeFile(std::string(argv[2]) + "/icon-" + std::to_string(size) + ".png", pngs.back())) {
            std::fputs("make_icon: cannot write a PNG into the folder given\n", stderr);
            return 1;
        }
    }
    if (!writeFile(argv[1], encodeIco(pngs))) {
        std::fputs("make_icon: cannot write the icon file\n", stderr);
        return 1;
    }
    return 0;
}
