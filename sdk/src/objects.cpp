// The camera's objects (stills and movies) and 6K/4K frames: their bytes,
// made on demand from the offset, and the calls that read them.
#include "sim.h"

#include <libheif/heif.h>
#include <turbojpeg.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <list>

using namespace kvrsim_internal;

namespace {

// ---------------------------------------------------------------------------
// Byte building
// ---------------------------------------------------------------------------
struct Out
{
    std::vector<uint8_t> b;
    bool big = false; // byte order of u16/u32 (TIFF data); boxes use be*

    size_t pos() const { return b.size(); }
    void u8(uint8_t v) { b.push_back(v); }
    void bytes(const void *p, size_t n)
    {
        const auto *c = static_cast<const uint8_t *>(p);
        b.insert(b.end(), c, c + n);
    }
    void bytes(const std::vector<uint8_t> &v) { b.insert(b.end(), v.begin(), v.end()); }
    void fourcc(const char *t) { bytes(t, 4); }
    void zeros(size_t n) { b.insert(b.end(), n, 0); }
    void be(uint64_t v, int width)
    {
        for (int i = width - 1; i >= 0; --i)
            u8(uint8_t(v >> (8 * i)));
    }
    void be16(uint16_t v) { be(v, 2); }
    void be32(uint32_t v) { be(v, 4); }
    void be64(uint64_t v) { be(v, 8); }
    void ordered(uint32_t v, int width)
    {
        if (big) {
            be(v, width);
        } else {
            for (int i = 0; i < width; ++i)
                u8(uint8_t(v >> (8 * i)));
        }
    }
    void u16(uint16_t v) { ordered(v, 2); }
    void u32(uint32_t v) { ordered(v, 4); }
    void patch(size_t at, uint32_t v, int width, bool bigEndian)
    {
        for (int i = 0; i < width; ++i)
            b[at + size_t(i)] = uint8_t(v >> (8 * (bigEndian ? width - 1 - i : i)));
    }
    void patch32(size_t at, uint32_t v) { patch(at, v, 4, big); }
    void patchBe32(size_t at, uint32_t v) { patch(at, v, 4, true); }
};

// One TIFF entry: a number (SHORT or LONG, inline), a text (ASCII) or a
// byte range (UNDEFINED, count and place patched later).
struct Entry
{
    uint16_t tag;
    uint16_t type;
    uint32_t value = 0;
    std::string text;
};
constexpr uint16_t T_ASCII = 2, T_SHORT = 3, T_LONG = 4, T_UNDEFINED = 7;

Entry num(uint16_t tag, uint16_t type, uint32_t value)
{
    return {tag, type, value, {}};
}
Entry text(uint16_t tag, const std::string &t)
{
    return {tag, T_ASCII, 0, t};
}

// Writes one IFD (entries sorted by tag, texts after it); returns the place
// of its next-IFD field. `valueAt` gets the place of each tag's value field
// (and `countAt` of its count field), for the offsets patched later.
size_t writeIfd(Out &o, size_t base, std::vector<Entry> entries, std::map<uint16_t, size_t> *valueAt = nullptr,
                std::map<uint16_t, size_t> *countAt = nullptr)
{
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return a.tag < b.tag; });
    o.u16(uint16_t(entries.size()));
    size_t extra = o.pos() + entries.size() * 12 + 4;
    std::vector<std::pair<size_t, const Entry *>> texts;
    for (const Entry &e : entries) {
        o.u16(e.tag);
        o.u16(e.type);
        if (countAt)
            (*countAt)[e.tag] = o.pos();
        if (e.type == T_ASCII) {
            const uint32_t count = uint32_t(e.text.size() + 1);
            o.u32(count);
            if (valueAt)
                (*valueAt)[e.tag] = o.pos();
            if (count <= 4) {
                o.bytes(e.text.data(), e.text.size());
                o.zeros(4 - e.text.size());
            } else {
                o.u32(uint32_t(extra - base));
                texts.emplace_back(extra, &e);
                extra += count + (count & 1);
            }
            continue;
        }
        o.u32(1);
        if (valueAt)
            (*valueAt)[e.tag] = o.pos();
        if (e.type == T_SHORT) {
            o.u16(uint16_t(e.value));
            o.u16(0);
        } else {
            o.u32(e.value);
        }
    }
    const size_t next = o.pos();
    o.u32(0);
    for (const auto &t : texts) {
        o.bytes(t.second->text.data(), t.second->text.size());
        o.zeros(1 + ((t.second->text.size() + 1) & 1));
    }
    return next;
}

// ---------------------------------------------------------------------------
// Pictures: a small scene with the camera's name, JPEG-encoded
// ---------------------------------------------------------------------------
const uint8_t *glyph(char c)
{
    static const char chars[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-_./:";
    static const uint8_t rows[][7] = {
        {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}, {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E},
        {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}, {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E},
        {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}, {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E},
        {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}, {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08},
        {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}, {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C},
        {0x0E, 0x11, 0x11, 0x11, 0x1F, 0x11, 0x11}, {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E},
        {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}, {0x1C, 0x12, 0x11, 0x11, 0x11, 0x12, 0x1C},
        {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}, {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10},
        {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}, {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11},
        {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}, {0x07, 0x02, 0x02, 0x02, 0x02, 0x12, 0x0C},
        {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}, {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F},
        {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}, {0x11, 0x11, 0x19, 0x15, 0x13, 0x11, 0x11},
        {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}, {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10},
        {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D}, {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11},
        {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}, {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04},
        {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}, {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04},
        {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}, {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11},
        {0x11, 0x11, 0x11, 0x0A, 0x04, 0x04, 0x04}, {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F},
        {0x00, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00}, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x1F},
        {0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x0C}, {0x00, 0x01, 0x02, 0x04, 0x08, 0x10, 0x00},
        {0x00, 0x0C, 0x0C, 0x00, 0x0C, 0x0C, 0x00},
    };
    const char u = (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
    const char *at = std::strchr(chars, u);
    return (u != '\0' && at) ? rows[at - chars] : nullptr;
}

struct Rgb
{
    int w, h;
    std::vector<uint8_t> px;
    void fill(int x0, int y0, int x1, int y1, uint8_t r, uint8_t g, uint8_t bl)
    {
        for (int y = std::max(0, y0); y < std::min(h, y1); ++y) {
            for (int x = std::max(0, x0); x < std::min(w, x1); ++x) {
                uint8_t *p = &px[size_t(y * w + x) * 3];
                p[0] = r;
                p[1] = g;
                p[2] = bl;
            }
        }
    }
    // A line of text centred on row y, as large as fits `widthShare` of the
    // width and `maxScale`; returns the scale taken.
    int write(const std::string &t, int y, double widthShare, int maxScale)
    {
        if (t.empty())
            return maxScale;
        const int scale = std::max(1, std::min({int(w * widthShare) / int(t.size() * 6), h / 10, maxScale}));
        int x = (w - int(t.size()) * 6 * scale) / 2;
        for (char c : t) {
            if (const uint8_t *g = glyph(c)) {
                for (int row = 0; row < 7; ++row) {
                    for (int col = 0; col < 5; ++col) {
                        if (g[row] & (0x10 >> col))
                            fill(x + col * scale, y + row * scale, x + (col + 1) * scale, y + (row + 1) * scale, 255,
                                 255, 255);
                    }
                }
            }
            x += 6 * scale;
        }
        return scale;
    }
};

// A scene: a colour field of its own per seed, a frame, and two lines of text.
std::vector<uint8_t> encodeScene(int w, int h, const std::string &title, const std::string &subtitle, uint32_t seed,
                                 int quality = 85)
{
    Rgb img{w, h, std::vector<uint8_t>(size_t(w) * size_t(h) * 3)};
    const int hue = int(seed * 37 % 256);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            uint8_t *p = &img.px[size_t(y * w + x) * 3];
            p[0] = uint8_t((hue + x * 128 / w) & 0xFF);
            p[1] = uint8_t(60 + y * 120 / h);
            p[2] = uint8_t(255 - hue / 2);
        }
    }
    const int border = std::max(2, h / 40);
    img.fill(0, 0, w, border, 20, 20, 20);
    img.fill(0, h - border, w, h, 20, 20, 20);
    img.fill(0, 0, border, h, 20, 20, 20);
    img.fill(w - border, 0, w, h, 20, 20, 20);
    const int scale = img.write(title, h / 3, 0.8, h);
    img.write(subtitle, h * 2 / 3, 0.5, scale);

    std::vector<uint8_t> out;
    tjhandle tj = tjInitCompress();
    if (!tj)
        return out;
    unsigned char *jpeg = nullptr;
    unsigned long size = 0;
    if (tjCompress2(tj, img.px.data(), w, 0, h, TJPF_RGB, &jpeg, &size, TJSAMP_420, quality, 0) == 0)
        out.assign(jpeg, jpeg + size);
    tjFree(jpeg);
    tjDestroy(tj);
    return out;
}

// The JPEG's segments after the start-of-image marker, without the JFIF
// APP0 that the encoder writes (a camera's picture starts with its EXIF).
std::vector<uint8_t> jpegBody(const std::vector<uint8_t> &jpeg)
{
    size_t at = 2;
    while (at + 4 <= jpeg.size() && jpeg[at] == 0xFF && jpeg[at + 1] == 0xE0)
        at += 2 + (size_t(jpeg[at + 2]) << 8 | jpeg[at + 3]);
    return at <= jpeg.size() ? std::vector<uint8_t>(jpeg.begin() + long(at), jpeg.end()) : std::vector<uint8_t>();
}

// ---------------------------------------------------------------------------
// The HEIF picture: encoded once per process (the encoder is slow to start)
// ---------------------------------------------------------------------------
struct Box
{
    uint32_t type;
    size_t start;
    size_t header;
    size_t size;
};

uint32_t rd(const std::vector<uint8_t> &b, size_t at, int width)
{
    uint32_t v = 0;
    for (int i = 0; i < width; ++i)
        v = v << 8 | (at + size_t(i) < b.size() ? b[at + size_t(i)] : 0);
    return v;
}
uint64_t rd64(const std::vector<uint8_t> &b, size_t at)
{
    return uint64_t(rd(b, at, 4)) << 32 | rd(b, at + 4, 4);
}
constexpr uint32_t fourcc(const char t[5])
{
    return uint32_t(uint8_t(t[0])) << 24 | uint32_t(uint8_t(t[1])) << 16 | uint32_t(uint8_t(t[2])) << 8
           | uint32_t(uint8_t(t[3]));
}

std::vector<Box> boxes(const std::vector<uint8_t> &b, size_t from, size_t to)
{
    std::vector<Box> list;
    size_t at = from;
    while (at + 8 <= to) {
        uint64_t size = rd(b, at, 4);
        size_t header = 8;
        if (size == 1) {
            size = rd64(b, at + 8);
            header = 16;
        } else if (size == 0) {
            size = to - at;
        }
        if (size < header || at + size > to)
            break;
        list.push_back({rd(b, at + 4, 4), at, header, size_t(size)});
        at += size;
    }
    return list;
}

struct HeifParts
{
    std::vector<uint8_t> meta;  // the "meta" box, its item places counting from the start of the media data
    std::vector<uint8_t> media; // the payload of "mdat"
    std::vector<size_t> places; // where meta holds (offset place, width) pairs
    std::vector<int> widths;
    uint64_t mediaStart = 0; // the file position the places were written for
    bool ok = false;
};

heif_error collect(heif_context *, const void *data, size_t size, void *userdata)
{
    auto *out = static_cast<std::vector<uint8_t> *>(userdata);
    const auto *c = static_cast<const uint8_t *>(data);
    out->insert(out->end(), c, c + size);
    return heif_error{heif_error_Ok, heif_suberror_Unspecified, "ok"};
}

// Finds the extent offsets of "iloc" (construction method 0) so that the
// media data can be moved behind the EXIF block.
bool findPlaces(const std::vector<uint8_t> &file, const Box &meta, HeifParts &parts)
{
    for (const Box &b : boxes(file, meta.start + meta.header + 4, meta.start + meta.size)) {
        if (b.type != fourcc("iloc"))
            continue;
        size_t at = b.start + b.header;
        const uint32_t version = rd(file, at, 1);
        at += 4;
        const uint32_t sizes = rd(file, at, 2);
        at += 2;
        const int offsetSize = int(sizes >> 12), lengthSize = int(sizes >> 8 & 15), baseSize = int(sizes >> 4 & 15);
        const int indexSize = version >= 1 ? int(sizes & 15) : 0;
        const uint32_t items = version < 2 ? rd(file, at, 2) : rd(file, at, 4);
        at += version < 2 ? 2 : 4;
        for (uint32_t i = 0; i < items; ++i) {
            at += version < 2 ? 2 : 4;
            uint32_t method = 0;
            if (version >= 1) {
                method = rd(file, at, 2) & 15;
                at += 2;
            }
            at += 2; // data reference index
            const size_t basePlace = at;
            at += size_t(baseSize);
            const uint32_t extents = rd(file, at, 2);
            at += 2;
            const bool baseUsed = baseSize > 0;
            if (method == 0 && baseUsed) {
                parts.places.push_back(basePlace);
                parts.widths.push_back(baseSize);
            }
            for (uint32_t e = 0; e < extents; ++e) {
                at += size_t(indexSize);
                if (method == 0 && !baseUsed && offsetSize > 0) {
                    parts.places.push_back(at);
                    parts.widths.push_back(offsetSize);
                }
                at += size_t(offsetSize + lengthSize);
            }
            if (at > b.start + b.size)
                return false;
        }
        return true;
    }
    return false;
}

const HeifParts &heifParts()
{
    static std::mutex mutex;
    static HeifParts parts;
    static bool tried = false;
    std::lock_guard<std::mutex> g(mutex);
    if (tried)
        return parts;
    tried = true;
    heif_context *ctx = heif_context_alloc();
    heif_encoder *encoder = nullptr;
    heif_image *image = nullptr;
    std::vector<uint8_t> file;
    if (heif_context_get_encoder_for_format(ctx, heif_compression_HEVC, &encoder).code == heif_error_Ok
        && heif_image_create(64, 64, heif_colorspace_YCbCr, heif_chroma_420, &image).code == heif_error_Ok) {
        heif_encoder_set_lossy_quality(encoder, 50);
        bool planes = true;
        for (heif_channel ch : {heif_channel_Y, heif_channel_Cb, heif_channel_Cr}) {
            const int side = ch == heif_channel_Y ? 64 : 32;
            planes = planes && heif_image_add_plane(image, ch, side, side, 8).code == heif_error_Ok;
            int stride = 0;
            uint8_t *p = planes ? heif_image_get_plane(image, ch, &stride) : nullptr;
            for (int y = 0; p && y < side; ++y) {
                for (int x = 0; x < side; ++x)
                    p[y * stride + x] = uint8_t(ch == heif_channel_Y ? 40 + (x + y) * 2 : 128 + (x - y));
            }
        }
        heif_writer writer{1, &collect};
        if (planes && heif_context_encode_image(ctx, image, encoder, nullptr, nullptr).code == heif_error_Ok)
            heif_context_write(ctx, &writer, &file);
    }
    if (image)
        heif_image_release(image);
    if (encoder)
        heif_encoder_release(encoder);
    heif_context_free(ctx);

    const std::vector<Box> top = boxes(file, 0, file.size());
    const Box *meta = nullptr, *mdat = nullptr;
    for (const Box &b : top) {
        if (b.type == fourcc("meta"))
            meta = &b;
        else if (b.type == fourcc("mdat") && !mdat)
            mdat = &b;
    }
    if (!meta || !mdat || !findPlaces(file, *meta, parts)) {
        parts.places.clear();
        parts.widths.clear();
        return parts;
    }
    for (size_t &p : parts.places)
        p -= meta->start;
    parts.meta.assign(file.begin() + long(meta->start), file.begin() + long(meta->start + meta->size));
    parts.media.assign(file.begin() + long(mdat->start + mdat->header), file.begin() + long(mdat->start + mdat->size));
    parts.mediaStart = mdat->start + mdat->header;
    parts.ok = true;
    return parts;
}

// ---------------------------------------------------------------------------
// Object bytes
// ---------------------------------------------------------------------------
const uint8_t *filler()
{
    static const std::vector<uint8_t> pattern = [] {
        std::vector<uint8_t> p(65536);
        uint32_t x = 0x9E3779B9u;
        for (auto &v : p) {
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            v = uint8_t(x);
        }
        return p;
    }();
    return pattern.data();
}

struct Source
{
    uint32_t format = 0;
    uint32_t handle = 0;
    uint16_t orientation = 1;
    bool bigEndian = false;
    std::string maker, model, label; // label: the name drawn on the picture
    int64_t size = kvrsim::NaturalSize;
};

constexpr uint64_t kRawSensorBytes = 3u << 19;   // 1.5 MiB of picture data by default
constexpr uint64_t kHlgSensorBytes = 1u << 20;   // 1 MiB
constexpr uint64_t kMovieBytes = 40ull << 20;    // 40 MiB
constexpr uint32_t kMovieSampleBytes = 1u << 18; // 256 KiB per frame
constexpr size_t kHeifExifWindow = 0x9000;

std::string frameText(const Source &s)
{
    static const char *kinds[] = {"", "JPEG", "RAW", "", "MOV", "MP4", "HLG", "HEIF"};
    return std::string(s.format < 8 ? kinds[s.format] : "") + " " + std::to_string(s.handle);
}

// The full-size picture, the same for every shot of one camera with the same
// look: encoding it is what takes time, and a burst of releases should not
// wait for it each shot. The small pictures carry the object's own number.
std::shared_ptr<const std::vector<uint8_t>> largeScene(const Source &s)
{
    constexpr uint32_t looks = 4;
    static std::mutex mutex;
    static std::map<std::pair<std::string, uint32_t>, std::shared_ptr<const std::vector<uint8_t>>> cache;
    const auto key = std::make_pair(s.label, s.handle % looks);
    {
        std::lock_guard<std::mutex> g(mutex);
        auto it = cache.find(key);
        if (it != cache.end())
            return it->second;
    }
    auto made = std::make_shared<const std::vector<uint8_t>>(encodeScene(1440, 960, s.label, "KAVRO", key.second));
    std::lock_guard<std::mutex> g(mutex);
    if (cache.size() >= 256)
        cache.clear();
    return cache.emplace(key, made).first->second;
}

std::vector<uint8_t> jpegStill(const Source &s)
{
    const std::vector<uint8_t> main = jpegBody(*largeScene(s));
    const std::vector<uint8_t> thumb = encodeScene(160, 120, s.label, frameText(s), s.handle, 70);
    Out o;
    o.be16(0xFFD8);
    o.be16(0xFFE1);
    const size_t lengthAt = o.pos();
    o.be16(0);
    o.bytes("Exif\0\0", 6);
    const size_t base = o.pos();
    o.big = s.bigEndian;
    o.bytes(s.bigEndian ? "MM" : "II", 2);
    o.u16(42);
    o.u32(8);
    const size_t next0 = writeIfd(o, base, {text(271, s.maker), text(272, s.model), num(274, T_SHORT, s.orientation)});
    o.patch32(next0, uint32_t(o.pos() - base));
    std::map<uint16_t, size_t> at;
    writeIfd(o, base, {num(259, T_SHORT, 6), num(513, T_LONG, 0), num(514, T_LONG, uint32_t(thumb.size()))}, &at);
    o.patch32(at[513], uint32_t(o.pos() - base));
    o.bytes(thumb);
    o.patch(lengthAt, uint32_t(o.pos() - lengthAt), 2, true);
    o.bytes(main);
    return std::move(o.b);
}

// RAW (magic 0x55) and HLG (magic 42, Compression 0xC7E8) stills: the
// previews, then the picture data running to the end of the object.
std::vector<uint8_t> tiffStill(const Source &s, uint64_t &size)
{
    const bool raw = s.format == KVR_OBJECT_FORMAT_RAW;
    const std::vector<uint8_t> small = encodeScene(320, 212, s.label, frameText(s), s.handle, 75);
    const std::shared_ptr<const std::vector<uint8_t>> shared = largeScene(s);
    const std::vector<uint8_t> &large = *shared;
    Out o;
    o.big = raw ? false : s.bigEndian;
    o.bytes(o.big ? "MM" : "II", 2);
    o.u16(raw ? 0x55 : 42);
    o.u32(8);
    std::map<uint16_t, size_t> at0, count0, at1, at2;
    std::vector<Entry> ifd0 = {
        num(256, T_LONG, 6000), num(257, T_LONG, 4000), num(259, T_SHORT, raw ? 34316 : 0xC7E8), text(271, s.maker),
        text(272, s.model),     num(273, T_LONG, 0),    num(274, T_SHORT, s.orientation),        num(279, T_LONG, 0)};
    if (raw) {
        ifd0.push_back({46, T_UNDEFINED, 0, {}});
        ifd0.push_back({295, T_UNDEFINED, 0, {}});
    }
    const size_t next0 = writeIfd(o, 0, ifd0, &at0, &count0);
    if (!raw) {
        o.patch32(next0, uint32_t(o.pos()));
        const size_t next1 = writeIfd(o, 0,
                                      {num(259, T_SHORT, 6), num(513, T_LONG, 0),
                                       num(514, T_LONG, uint32_t(small.size())), num(274, T_SHORT, s.orientation)},
                                      &at1);
        o.patch32(next1, uint32_t(o.pos()));
        writeIfd(o, 0,
                 {num(259, T_SHORT, 6), num(513, T_LONG, 0), num(514, T_LONG, uint32_t(large.size())),
                  num(274, T_SHORT, s.orientation)},
                 &at2);
    }
    const auto place = [&](const std::vector<uint8_t> &jpeg, size_t valueAt, size_t countAt) {
        o.patch32(valueAt, uint32_t(o.pos()));
        if (countAt)
            o.patch32(countAt, uint32_t(jpeg.size()));
        o.bytes(jpeg);
    };
    if (raw) {
        place(small, at0[46], count0[46]);
        place(large, at0[295], count0[295]);
    } else {
        place(small, at1[513], 0);
        place(large, at2[513], 0);
    }
    const uint64_t strip = o.pos();
    size = s.size >= 0 ? uint64_t(s.size) : strip + (raw ? kRawSensorBytes : kHlgSensorBytes);
    o.patch32(at0[273], uint32_t(strip));
    o.patch32(at0[279], uint32_t(std::min<uint64_t>(size > strip ? size - strip : 0, 0xFFFFFFFFu)));
    return std::move(o.b);
}

// HEIF: "heix" brand, the item data behind an EXIF block at the start of
// "mdat" that holds IFD0, IFD1 (thumbnail) and IFD2 (preview); the preview
// offsets count from the start of the file, as the camera writes them.
std::vector<uint8_t> heifStill(const Source &s, uint64_t &size)
{
    const HeifParts &parts = heifParts();
    const std::vector<uint8_t> small = encodeScene(320, 212, s.label, frameText(s), s.handle, 75);
    const std::shared_ptr<const std::vector<uint8_t>> shared = largeScene(s);
    const std::vector<uint8_t> &large = *shared;

    Out o;
    o.be32(24);
    o.fourcc("ftyp");
    o.fourcc("heix");
    o.be32(0);
    o.fourcc("mif1");
    o.fourcc("heix");
    const size_t metaAt = o.pos();
    o.bytes(parts.meta);

    // The EXIF block: its size is known before the media data's place is.
    Out exif;
    exif.be32(6);
    exif.bytes("Exif\0\0", 6);
    const size_t base = exif.pos();
    exif.big = s.bigEndian;
    exif.bytes(s.bigEndian ? "MM" : "II", 2);
    exif.u16(42);
    exif.u32(8);
    std::map<uint16_t, size_t> at1, at2;
    const size_t next0 = writeIfd(exif, base,
                                  {text(271, s.maker), text(272, s.model), num(274, T_SHORT, s.orientation)});
    exif.patch32(next0, uint32_t(exif.pos() - base));
    const std::vector<Entry> preview = {num(259, T_SHORT, 6), num(513, T_LONG, 0), num(514, T_LONG, 0),
                                        num(274, T_SHORT, s.orientation)};
    const size_t next1 = writeIfd(exif, base, preview, &at1);
    exif.patch32(next1, uint32_t(exif.pos() - base));
    writeIfd(exif, base, preview, &at2);
    exif.patch32(at1[514], uint32_t(small.size()));
    exif.patch32(at2[514], uint32_t(large.size()));
    const size_t smallAt = exif.pos();
    exif.bytes(small);
    const size_t largeAt = exif.pos();
    exif.bytes(large);
    // The readers look at a fixed window after the header; the block is at
    // least that long.
    if (exif.pos() < kHeifExifWindow + base)
        exif.zeros(kHeifExifWindow + base - exif.pos());

    const uint64_t natural = o.pos() + 16 + exif.pos() + parts.media.size();
    size = s.size >= 0 ? uint64_t(s.size) : natural;
    const bool large64 = size > o.pos() && size - o.pos() > 0xFFFFFFFFull;
    const size_t mdatAt = o.pos();
    const size_t payload = mdatAt + (large64 ? 16 : 8);
    if (large64) {
        o.be32(1);
        o.fourcc("mdat");
        o.be64(size > mdatAt ? size - mdatAt : 0);
    } else {
        o.be32(uint32_t(size > mdatAt ? size - mdatAt : 0));
        o.fourcc("mdat");
    }
    exif.patch32(at1[513], uint32_t(payload + smallAt));
    exif.patch32(at2[513], uint32_t(payload + largeAt));
    o.bytes(exif.b);
    // Item places move with the media data.
    const uint64_t shift = o.pos() - parts.mediaStart;
    for (size_t i = 0; i < parts.places.size(); ++i) {
        const size_t place = metaAt + parts.places[i];
        const int width = parts.widths[i];
        uint64_t v = 0;
        for (int k = 0; k < width; ++k)
            v = v << 8 | o.b[place + size_t(k)];
        v += shift;
        for (int k = width - 1; k >= 0; --k, v >>= 8)
            o.b[place + size_t(k)] = uint8_t(v);
    }
    o.bytes(parts.media);
    return std::move(o.b);
}

// A movie: "ftyp", a "moov" describing one video track of fixed-size frames
// that fill the media data, and the head of "mdat".
std::vector<uint8_t> movieHead(const Source &s, uint64_t &size)
{
    size = s.size >= 0 ? uint64_t(s.size) : kMovieBytes;
    Out o;
    std::vector<size_t> open;
    const auto begin = [&](const char *type) {
        open.push_back(o.pos());
        o.be32(0);
        o.fourcc(type);
    };
    const auto full = [&](const char *type, uint32_t versionFlags) {
        begin(type);
        o.be32(versionFlags);
    };
    const auto end = [&] {
        o.patchBe32(open.back(), uint32_t(o.pos() - open.back()));
        open.pop_back();
    };
    begin("ftyp");
    o.fourcc(s.format == KVR_OBJECT_FORMAT_MOVIE ? "qt  " : "mp42");
    o.be32(0);
    o.fourcc(s.format == KVR_OBJECT_FORMAT_MOVIE ? "qt  " : "mp42");
    o.fourcc("isom");
    end();

    // The media data's payload starts right after the head; its size decides
    // the frame count, and 64-bit chunk offsets are never needed since the
    // head is small, but the mdat size may be.
    const uint64_t headGuess = 1024;
    const uint64_t payloadGuess = size > headGuess ? size - headGuess : 0;
    const uint32_t frames = uint32_t(std::min<uint64_t>(payloadGuess / kMovieSampleBytes, 0xFFFFFFu));
    const uint32_t timescale = 30000, delta = 1001;
    const uint32_t duration = frames * delta;
    begin("moov");
    full("mvhd", 0);
    o.be32(0);
    o.be32(0);
    o.be32(timescale);
    o.be32(duration);
    o.be32(0x00010000);
    o.be16(0x0100);
    o.zeros(10);
    for (uint32_t m : {0x00010000u, 0u, 0u, 0u, 0x00010000u, 0u, 0u, 0u, 0x40000000u})
        o.be32(m);
    o.zeros(24);
    o.be32(2);
    end();
    begin("trak");
    full("tkhd", 3);
    o.be32(0);
    o.be32(0);
    o.be32(1);
    o.be32(0);
    o.be32(duration);
    o.zeros(8);
    o.be16(0);
    o.be16(0);
    o.be16(0);
    o.be16(0);
    for (uint32_t m : {0x00010000u, 0u, 0u, 0u, 0x00010000u, 0u, 0u, 0u, 0x40000000u})
        o.be32(m);
    o.be32(3840u << 16);
    o.be32(2160u << 16);
    end();
    begin("mdia");
    full("mdhd", 0);
    o.be32(0);
    o.be32(0);
    o.be32(timescale);
    o.be32(duration);
    o.be16(0x55C4); // "und"
    o.be16(0);
    end();
    full("hdlr", 0);
    o.be32(0);
    o.fourcc("vide");
    o.zeros(12);
    o.bytes("Video\0", 6);
    end();
    begin("minf");
    full("vmhd", 1);
    o.zeros(8);
    end();
    begin("dinf");
    full("dref", 0);
    o.be32(1);
    full("url ", 1);
    end();
    end();
    end();
    begin("stbl");
    full("stsd", 0);
    o.be32(1);
    begin("avc1");
    o.zeros(6);
    o.be16(1);
    o.zeros(16);
    o.be16(3840);
    o.be16(2160);
    o.be32(0x00480000);
    o.be32(0x00480000);
    o.be32(0);
    o.be16(1);
    o.zeros(32);
    o.be16(0x18);
    o.be16(0xFFFF);
    end();
    end();
    full("stts", 0);
    o.be32(1);
    o.be32(frames);
    o.be32(delta);
    end();
    full("stsc", 0);
    o.be32(1);
    o.be32(1);
    o.be32(frames);
    o.be32(1);
    end();
    full("stsz", 0);
    o.be32(kMovieSampleBytes);
    o.be32(frames);
    end();
    full("stco", 0);
    o.be32(1);
    const size_t chunkAt = o.pos();
    o.be32(0);
    end();
    end(); // stbl
    end(); // minf
    end(); // mdia
    end(); // trak
    end(); // moov
    const size_t mdatAt = o.pos();
    const bool large64 = size > mdatAt && size - mdatAt > 0xFFFFFFFFull;
    if (large64) {
        o.be32(1);
        o.fourcc("mdat");
        o.be64(size - mdatAt);
    } else {
        o.be32(uint32_t(size > mdatAt ? size - mdatAt : 0));
        o.fourcc("mdat");
    }
    o.patchBe32(chunkAt, uint32_t(o.pos()));
    return std::move(o.b);
}

} // namespace

namespace kvrsim_internal {

// An object's bytes: the made-up head (a whole picture, or a movie's boxes)
// and, after it, picture or media data drawn from a fixed pattern by offset.
// The head is made on first use and dropped again when the object has been
// read to its end or others need the memory; it comes back the same.
class ObjectBytes : public std::enable_shared_from_this<ObjectBytes>
{
public:
    explicit ObjectBytes(Source source) : m_source(std::move(source)) {}

    // The size stays known when the head is dropped.
    uint64_t size()
    {
        std::lock_guard<std::mutex> g(m_mutex);
        if (!m_sized)
            build();
        return m_size;
    }

    void read(uint64_t offset, uint8_t *out, uint32_t length)
    {
        std::lock_guard<std::mutex> g(m_mutex);
        build();
        uint64_t at = offset;
        uint32_t left = length;
        if (at < m_head.size()) {
            const uint32_t n = uint32_t(std::min<uint64_t>(left, m_head.size() - at));
            std::memcpy(out, m_head.data() + at, n);
            out += n;
            at += n;
            left -= n;
        }
        const uint8_t *pattern = filler();
        while (left > 0) {
            const uint32_t p = uint32_t((at + m_source.handle * 4099u) & 0xFFFF);
            const uint32_t n = std::min<uint32_t>(left, 65536 - p);
            std::memcpy(out, pattern + p, n);
            out += n;
            at += n;
            left -= n;
        }
        if (offset + length >= m_size)
            release();
    }

    void release()
    {
        m_head.clear();
        m_head.shrink_to_fit();
        m_built = false;
    }

private:
    void build();

    Source m_source;
    std::mutex m_mutex;
    bool m_built = false;
    bool m_sized = false;
    std::vector<uint8_t> m_head;
    uint64_t m_size = 0;
};

} // namespace kvrsim_internal

namespace {

// Made heads, oldest first: at most this many are kept at once.
constexpr size_t kKeptHeads = 24;
std::mutex keptMutex;
std::list<std::weak_ptr<ObjectBytes>> kept;

} // namespace

namespace kvrsim_internal {

void ObjectBytes::build()
{
    if (m_built)
        return;
    uint64_t size = 0;
    switch (m_source.format) {
    case KVR_OBJECT_FORMAT_JPEG:
        m_head = jpegStill(m_source);
        size = m_source.size >= 0 ? uint64_t(m_source.size) : m_head.size();
        break;
    case KVR_OBJECT_FORMAT_RAW:
    case KVR_OBJECT_FORMAT_HLG:
        m_head = tiffStill(m_source, size);
        break;
    case KVR_OBJECT_FORMAT_HEIF:
        m_head = heifStill(m_source, size);
        break;
    default:
        m_head = movieHead(m_source, size);
        break;
    }
    if (m_head.size() > size)
        m_head.resize(size_t(size));
    m_size = size;
    m_sized = true;
    m_built = true;
    std::vector<std::shared_ptr<ObjectBytes>> dropped;
    {
        std::lock_guard<std::mutex> g(keptMutex);
        kept.push_back(weak_from_this());
        while (kept.size() > kKeptHeads) {
            if (auto old = kept.front().lock())
                dropped.push_back(old);
            kept.pop_front();
        }
    }
    for (auto &old : dropped) {
        if (old.get() == this)
            continue;
        std::unique_lock<std::mutex> g(old->m_mutex, std::try_to_lock);
        if (g.owns_lock())
            old->release();
    }
}

} // namespace kvrsim_internal

namespace {

bool isStill(uint32_t format)
{
    return format == KVR_OBJECT_FORMAT_JPEG || format == KVR_OBJECT_FORMAT_RAW || format == KVR_OBJECT_FORMAT_HLG
           || format == KVR_OBJECT_FORMAT_HEIF;
}

std::string extension(uint32_t format)
{
    switch (format) {
    case KVR_OBJECT_FORMAT_JPEG:
        return ".JPG";
    case KVR_OBJECT_FORMAT_RAW:
        return ".RW2";
    case KVR_OBJECT_FORMAT_HLG:
        return ".HSP";
    case KVR_OBJECT_FORMAT_HEIF:
        return ".HIF";
    case KVR_OBJECT_FORMAT_MOVIE:
        return ".MOV";
    default:
        return ".MP4";
    }
}

int64_t takeSize(ObjectState &state, uint32_t format)
{
    auto it = state.sizes.find(format);
    if (it != state.sizes.end() && !it->second.empty()) {
        const int64_t size = it->second.front();
        it->second.pop_front();
        return size;
    }
    auto standing = state.standingSizes.find(format);
    return standing != state.standingSizes.end() ? standing->second : kvrsim::NaturalSize;
}

SimObject *findObject(Camera &camera, uint32_t handle)
{
    for (SimObject &o : camera.objects) {
        if (o.handle == handle)
            return &o;
    }
    return nullptr;
}

// Checks the read range and the injected faults; on success the bytes to
// read from, with the library unlocked so that other cameras go on.
std::shared_ptr<ObjectBytes> beginRead(Call &call, uint32_t handle, const uint8_t *buffer, uint64_t offset,
                                       uint32_t length, bool whole)
{
    Camera &camera = *call.camera();
    SimObject *object = findObject(camera, handle);
    if (!object || (!buffer && length > 0)) {
        call.fail(KVR_ERR_INVALID_PARAM);
        return nullptr;
    }
    std::shared_ptr<ObjectBytes> bytes = object->bytes;
    const uint64_t size = bytes->size();
    if (whole) {
        if (length < size) {
            call.fail(KVR_ERR_BUFFER_TOO_SMALL);
            return nullptr;
        }
        length = uint32_t(size);
    } else if (offset > size || length > size - offset) {
        call.fail(KVR_ERR_INVALID_PARAM);
        return nullptr;
    }
    const auto covers = [&](int64_t at) {
        return at >= 0 && uint64_t(at) >= offset
               && (uint64_t(at) < offset + length || (length == 0 && uint64_t(at) == offset));
    };
    ObjectState &state = camera.objectState;
    if (covers(state.loseAt)) {
        state.loseAt = -1;
        kvrsim::loseCamera(camera.index);
        call.fail(KVR_ERR_NO_DEVICE);
        return nullptr;
    }
    if (covers(state.failReadAt)) {
        state.failReadAt = -1;
        call.fail(KVR_ERR_TIMEOUT);
        return nullptr;
    }
    return bytes;
}

uint8_t readObject(Call &call, uint32_t handle, uint8_t *buffer, uint64_t offset, uint32_t length, bool whole)
{
    std::shared_ptr<ObjectBytes> bytes = beginRead(call, handle, buffer, offset, length, whole);
    if (!bytes)
        return 0;
    const uint32_t n = whole ? uint32_t(bytes->size()) : length;
    call.unlock();
    if (n > 0)
        bytes->read(offset, buffer, n);
    return call.succeed();
}

std::vector<uint8_t> frameJpeg(const Camera &camera, uint32_t frame)
{
    return encodeScene(960, 540, camera.profile.model, "6K/4K " + std::to_string(frame), frame * 7 + 3);
}

} // namespace

namespace kvrsim_internal {

uint32_t makeObject(Camera &camera, uint32_t format, int64_t size, bool announce)
{
    ObjectState &state = camera.objectState;
    SimObject object;
    object.handle = camera.nextObject++;
    object.format = format;
    const bool still = isStill(format);
    uint32_t number = state.inShot ? state.shotNumber : state.nextFileNumber++;
    if (state.inShot && state.shotDesc != 0) {
        object.associationDesc = state.shotDesc;
        object.associationType = format == KVR_OBJECT_FORMAT_RAW ? 1 : 0;
    }
    if (!state.names.empty()) {
        object.fileName = state.names.front();
        state.names.pop_front();
    } else if (still && !cardReady(camera.status)) {
        object.fileName = "CARDLESS" + extension(format);
    } else {
        char name[16];
        std::snprintf(name, sizeof name, "P%07u", number % 10000000u);
        object.fileName = name + extension(format);
    }
    static const uint16_t orientations[] = {1, 6, 8, 3};
    Source source;
    source.format = format;
    source.handle = object.handle;
    source.orientation = orientations[(still ? state.shotCounter : 0) % 4];
    source.bigEndian = camera.index % 2 == 1;
    source.maker = camera.profile.maker;
    source.model = camera.profile.model;
    source.label = camera.profile.model;
    source.size = size >= 0 ? size : takeSize(state, format);
    object.bytes = std::make_shared<ObjectBytes>(std::move(source));
    if (!state.inShot)
        ++state.shotCounter;
    camera.objects.push_back(object);
    if (announce) {
        postCameraEvent(camera, KVR_EVENT_OBJECT_ADDED, object.handle);
        if (still)
            postCameraEvent(camera, KVR_EVENT_OBJECT_REQ_TRANSFER, object.handle);
    }
    return object.handle;
}

void beginShot(Camera &camera, size_t files)
{
    ObjectState &state = camera.objectState;
    state.inShot = true;
    state.shotNumber = state.nextFileNumber++;
    state.shotDesc = files > 1 ? state.nextAssociation++ : 0;
    if (state.nextAssociation == 0)
        state.nextAssociation = 1;
}

void endShot(Camera &camera)
{
    ObjectState &state = camera.objectState;
    state.inShot = false;
    state.shotDesc = 0;
    ++state.shotCounter;
}

void offerCut(Camera &camera, uint32_t frames)
{
    camera.cut.offered = frames;
    camera.cut.cutting = false;
    camera.cut.pending.clear();
    postCameraEvent(camera, KVR_EVENT_4K6K_READY, frames);
}

bool cutControl(Camera &camera, uint32_t code)
{
    CutState &cut = camera.cut;
    switch (code) {
    case KVR_CMD_4K6K_CUT_START:
        if (cut.offered == 0 || cut.cutting)
            return false;
        cut.cutting = true;
        for (uint32_t frame = 1; frame <= cut.offered; ++frame) {
            cut.pending.push_back(frame);
            postCameraEvent(camera, KVR_EVENT_FRAME_DATA, frame);
        }
        return true;
    case KVR_CMD_4K6K_CUT_CANCEL:
        cut.offered = 0;
        return true;
    case KVR_CMD_4K6K_CUT_STOP:
        if (cut.cutting) {
            cut.pending.clear();
            cut.cutting = false;
            cut.offered = 0;
            postCameraEvent(camera, KVR_EVENT_4K6K_CUT_STOP, 0);
        }
        return true;
    default:
        return true;
    }
}

} // namespace kvrsim_internal

extern "C" {

uint8_t KVR_func_api_Get_Object_FormatType(uint32_t handle, uint32_t *format, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    const SimObject *o = findObject(*call.camera(), handle);
    if (!o || !format)
        return call.fail(KVR_ERR_INVALID_PARAM);
    *format = o->format;
    return call.succeed();
}

uint8_t KVR_func_api_Get_Object_AssociatType(uint32_t handle, uint32_t *type, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    const SimObject *o = findObject(*call.camera(), handle);
    if (!o || !type)
        return call.fail(KVR_ERR_INVALID_PARAM);
    *type = o->associationType;
    return call.succeed();
}

uint8_t KVR_func_api_Get_Object_AssociatDesc(uint32_t handle, uint32_t *desc, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    const SimObject *o = findObject(*call.camera(), handle);
    if (!o || !desc)
        return call.fail(KVR_ERR_INVALID_PARAM);
    *desc = o->associationDesc;
    return call.succeed();
}

uint8_t KVR_func_api_Get_Object_DataSize(uint32_t handle, uint64_t *size, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    const SimObject *o = findObject(*call.camera(), handle);
    if (!o || !size)
        return call.fail(KVR_ERR_INVALID_PARAM);
    std::shared_ptr<ObjectBytes> bytes = o->bytes;
    call.unlock();
    *size = bytes->size();
    return call.succeed();
}

uint8_t KVR_func_api_Get_Object_FileName(uint32_t handle, KVR_STRUCT_PTP_ARRAY_STRING *name, const char *uuid,
                                         uint32_t *err)
{
    KVR_CALL(uuid, err);
    const SimObject *o = findObject(*call.camera(), handle);
    if (!o || !name)
        return call.fail(KVR_ERR_INVALID_PARAM);
    std::memset(name, 0, sizeof *name);
    const size_t n = std::min(o->fileName.size(), sizeof name->text - 1);
    std::memcpy(name->text, o->fileName.data(), n);
    name->length = uint8_t(std::min<size_t>(n, 255));
    return call.succeed();
}

uint8_t KVR_func_api_Get_Object(uint32_t handle, uint8_t *buffer, uint32_t size, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    return readObject(call, handle, buffer, 0, size, true);
}

uint8_t KVR_func_api_Get_Partial_Object(uint32_t handle, uint8_t *buffer, uint32_t offset, uint32_t length,
                                        const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    return readObject(call, handle, buffer, offset, length, false);
}

uint8_t KVR_func_api_Get_Partial_ObjectEx(uint32_t handle, uint8_t *buffer, uint64_t offset, uint32_t length,
                                          const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    return readObject(call, handle, buffer, offset, length, false);
}

uint8_t KVR_func_api_Skip_Object_Transfer(uint32_t handle, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    SimObject *o = findObject(*call.camera(), handle);
    if (!o)
        return call.fail(KVR_ERR_INVALID_PARAM);
    o->skipped = true;
    return call.succeed();
}

uint8_t KVR_func_api_4k6k_Cutting_GetNumOfFrames(uint32_t *frames, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!frames)
        return call.fail(KVR_ERR_INVALID_PARAM);
    if (call.camera()->cut.offered == 0)
        return call.fail(KVR_ERR_NO_DATA);
    *frames = call.camera()->cut.offered;
    return call.succeed();
}

uint8_t KVR_func_api_4k6k_Cutting_Get_StreamFrame_data(uint8_t *buffer, uint32_t *size, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!buffer || !size)
        return call.fail(KVR_ERR_INVALID_PARAM);
    Camera &camera = *call.camera();
    CutState &cut = camera.cut;
    if (!cut.cutting || cut.pending.empty())
        return call.fail(KVR_ERR_NO_DATA);
    const std::vector<uint8_t> jpeg = frameJpeg(camera, cut.pending.front());
    const uint32_t capacity = *size;
    if (cut.nextFrameSize >= 0) {
        // A camera that overstates its frame: the size word says more than
        // it copies.
        std::memcpy(buffer, jpeg.data(), std::min<size_t>(capacity, jpeg.size()));
        *size = uint32_t(cut.nextFrameSize);
        cut.nextFrameSize = -1;
    } else {
        if (jpeg.size() > capacity) {
            *size = uint32_t(jpeg.size());
            return call.fail(KVR_ERR_BUFFER_TOO_SMALL);
        }
        std::memcpy(buffer, jpeg.data(), jpeg.size());
        *size = uint32_t(jpeg.size());
    }
    cut.pending.pop_front();
    if (cut.pending.empty()) {
        cut.cutting = false;
        cut.offered = 0;
        postCameraEvent(camera, KVR_EVENT_4K6K_CUT_STOP, 0);
    }
    return call.succeed();
}

} // extern "C"

// ---------------------------------------------------------------------------
// Control
// ---------------------------------------------------------------------------
namespace kvrsim {

namespace {

template<typename F>
auto withCamera(int index, F f) -> decltype(f(std::declval<Camera &>()))
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    Camera *c = cameraByIndex(index);
    if (!c)
        return decltype(f(std::declval<Camera &>()))();
    return f(*c);
}

} // namespace

std::vector<std::pair<uint32_t, uint32_t>> objects(int index)
{
    return withCamera(index, [](Camera &c) {
        std::vector<std::pair<uint32_t, uint32_t>> list;
        for (const SimObject &o : c.objects)
            list.emplace_back(o.handle, o.format);
        return list;
    });
}

std::vector<ObjectInfo> objectInfo(int index)
{
    std::vector<std::pair<ObjectInfo, std::shared_ptr<ObjectBytes>>> list = withCamera(index, [](Camera &c) {
        std::vector<std::pair<ObjectInfo, std::shared_ptr<ObjectBytes>>> l;
        for (const SimObject &o : c.objects)
            l.push_back(
                {{o.handle, o.format, o.associationType, o.associationDesc, 0, o.fileName, o.skipped}, o.bytes});
        return l;
    });
    std::vector<ObjectInfo> out;
    for (auto &item : list) {
        item.first.size = item.second->size();
        out.push_back(item.first);
    }
    return out;
}

uint32_t addObject(int index, uint32_t format, int64_t size, bool announce)
{
    return withCamera(index, [&](Camera &c) { return makeObject(c, format, size, announce); });
}

void setObjectSize(int index, uint32_t format, int64_t size, int count)
{
    withCamera(index, [&](Camera &c) {
        if (count < 0) {
            if (size < 0)
                c.objectState.standingSizes.erase(format);
            else
                c.objectState.standingSizes[format] = size;
            return 0;
        }
        for (int i = 0; i < count; ++i)
            c.objectState.sizes[format].push_back(size);
        return 0;
    });
}

void setNextObjectNames(int index, const std::vector<std::string> &names)
{
    withCamera(index, [&](Camera &c) {
        c.objectState.names.assign(names.begin(), names.end());
        return 0;
    });
}

void failObjectReadAt(int index, int64_t offset)
{
    withCamera(index, [&](Camera &c) {
        c.objectState.failReadAt = offset;
        return 0;
    });
}

void loseCameraAtOffset(int index, int64_t offset)
{
    withCamera(index, [&](Camera &c) {
        c.objectState.loseAt = offset;
        return 0;
    });
}

std::vector<uint8_t> objectBytes(int index, uint32_t handle, uint64_t offset, uint32_t length)
{
    std::shared_ptr<ObjectBytes> bytes = withCamera(index, [&](Camera &c) {
        SimObject *o = findObject(c, handle);
        return o ? o->bytes : std::shared_ptr<ObjectBytes>();
    });
    if (!bytes)
        return {};
    const uint64_t size = bytes->size();
    if (offset > size || length > size - offset)
        return {};
    std::vector<uint8_t> out(length);
    if (length > 0)
        bytes->read(offset, out.data(), length);
    return out;
}

void offerCut(int index, uint32_t frames)
{
    withCamera(index, [&](Camera &c) {
        kvrsim_internal::offerCut(c, frames);
        return 0;
    });
}

void setNextFrameSize(int index, uint32_t size)
{
    withCamera(index, [&](Camera &c) {
        c.cut.nextFrameSize = size;
        return 0;
    });
}

} // namespace kvrsim
