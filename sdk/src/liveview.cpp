// Live view of the simulated cameras: start, stop and the frames with their
// histogram, posture and level records.
#include "sim.h"

#include <turbojpeg.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

using namespace kvrsim_internal;

namespace kvrsim_internal {

// The frames of one transfer size and picture aspect. Each is encoded when it
// is first handed out, as a camera encodes what it shows: a new size costs one
// frame, not a ring of them, so the stream changes at once and a stop is never
// held up behind a read still encoding. The frames are kept under the state
// lock; size and aspect never change.
struct LiveViewRing
{
    uint32_t size = 0;   // width << 16 | height, as the transfer setting says
    uint32_t aspect = 0; // the picture aspect code the frames are shaped for
    std::vector<std::shared_ptr<const std::vector<uint8_t>>> frames; // empty until encoded
};

} // namespace kvrsim_internal

namespace {

constexpr int kRingFrames = 30;
constexpr double kPi = 3.14159265358979323846;

// 5 x 7 glyphs, one byte per row, bit 4 the leftmost pixel.
struct Glyph
{
    char c;
    uint8_t rows[7];
};
constexpr Glyph kFont[] = {
    {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}}, {'B', {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}},
    {'C', {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}}, {'D', {0x1E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1E}},
    {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}}, {'F', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10}},
    {'G', {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}}, {'H', {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
    {'I', {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}}, {'J', {0x07, 0x02, 0x02, 0x02, 0x02, 0x12, 0x0C}},
    {'K', {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}}, {'L', {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F}},
    {'M', {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}}, {'N', {0x11, 0x11, 0x19, 0x15, 0x13, 0x11, 0x11}},
    {'O', {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}}, {'P', {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}},
    {'Q', {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D}}, {'R', {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}},
    {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}}, {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}},
    {'U', {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}}, {'V', {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}},
    {'W', {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}}, {'X', {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11}},
    {'Y', {0x11, 0x11, 0x11, 0x0A, 0x04, 0x04, 0x04}}, {'Z', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F}},
    {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}}, {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}}, {'3', {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}},
    {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}}, {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}},
    {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}}, {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}},
    {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}}, {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}},
    {'-', {0x00, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00}}, {'.', {0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x0C}},
    {'#', {0x0A, 0x0A, 0x1F, 0x0A, 0x1F, 0x0A, 0x0A}},
};

const Glyph *glyphOf(char c)
{
    const char up = char(std::toupper(static_cast<unsigned char>(c)));
    for (const Glyph &g : kFont) {
        if (g.c == up)
            return &g;
    }
    return nullptr; // a blank
}

struct Canvas
{
    int width;
    int height;
    std::vector<uint8_t> rgb;

    void fill(int x, int y, int w, int h, uint8_t r, uint8_t g, uint8_t b)
    {
        const int x0 = std::max(0, x), y0 = std::max(0, y);
        const int x1 = std::min(width, x + w), y1 = std::min(height, y + h);
        for (int yy = y0; yy < y1; ++yy) {
            uint8_t *p = rgb.data() + (size_t(yy) * size_t(width) + size_t(x0)) * 3;
            for (int xx = x0; xx < x1; ++xx, p += 3) {
                p[0] = r;
                p[1] = g;
                p[2] = b;
            }
        }
    }

    void text(const std::string &s, int x, int y, int scale, uint8_t shade)
    {
        for (char c : s) {
            if (const Glyph *g = glyphOf(c)) {
                for (int row = 0; row < 7; ++row) {
                    for (int col = 0; col < 5; ++col) {
                        if (g->rows[row] & (0x10 >> col))
                            fill(x + col * scale, y + row * scale, scale, scale, shade, shade, shade);
                    }
                }
            }
            x += 6 * scale;
        }
    }
};

// A colour per camera, so that tiles differ at a glance.
void cameraColour(int index, uint8_t &r, uint8_t &g, uint8_t &b)
{
    static constexpr uint8_t palette[][3] = {{40, 70, 120}, {110, 50, 50}, {40, 100, 60}, {100, 80, 30},
                                             {80, 50, 110}, {30, 95, 100}, {115, 60, 90}, {70, 90, 40}};
    const auto &c = palette[size_t(index) % (sizeof palette / sizeof palette[0])];
    r = c[0];
    g = c[1];
    b = c[2];
}

// The picture aspect code the camera is set to (4:3 unless told otherwise).
uint32_t pictureAspect(const Camera &camera)
{
    const int id = settingId("imgInfoAspect");
    return id >= 0 && size_t(id) < camera.settings.size() ? camera.settings[size_t(id)].current : 1;
}

// A camera shows its picture, shaped by the picture aspect, as large as the
// transfer size allows: a 4:3 picture in a 1280 x 720 stream is 960 x 720.
void frameShape(uint32_t size, uint32_t aspect, int &width, int &height)
{
    width = std::clamp(int(size >> 16), 16, 1920);
    height = std::clamp(int(size & 0xFFFF), 16, 1080);
    static constexpr struct { uint32_t code; int w, h; } shapes[] = {
        {1, 4, 3}, {2, 3, 2}, {3, 16, 9}, {4, 1, 1}, {10, 65, 24}, {11, 2, 1}};
    for (const auto &shape : shapes) {
        if (shape.code != aspect)
            continue;
        if (width * shape.h > height * shape.w)
            width = height * shape.w / shape.h;
        else
            height = width * shape.h / shape.w;
    }
    width = std::max(16, width & ~7);
    height = std::max(16, height & ~7);
}

// One frame of the ring: the camera's colour, its model and index, and a
// marker that runs round an ellipse once per ring. Null when it cannot be
// encoded.
std::shared_ptr<const std::vector<uint8_t>> encodeFrame(uint32_t size, uint32_t aspect, int index,
                                                        const std::string &model, int f)
{
    int width = 0;
    int height = 0;
    frameShape(size, aspect, width, height);
    uint8_t r, g, b;
    cameraColour(index, r, g, b);
    const int scale = std::max(1, width / 160);
    const std::string label = "CAM " + std::to_string(index);
    Canvas c{width, height, std::vector<uint8_t>(size_t(width) * size_t(height) * 3)};
    // A gentle vertical gradient in the camera's colour.
    for (int y = 0; y < height; ++y) {
        const int k = 60 + 40 * y / height;
        c.fill(0, y, width, 1, uint8_t(r * k / 80), uint8_t(g * k / 80), uint8_t(b * k / 80));
    }
    c.text(model, 8 * scale + scale, 8 * scale + scale, scale, 0);
    c.text(model, 8 * scale, 8 * scale, scale, 255);
    c.text(label, 8 * scale, 18 * scale, scale, 230);
    const double a = 2 * kPi * f / kRingFrames;
    const int side = std::max(4, width / 16);
    const int mx = int(width / 2 + width / 3.0 * std::cos(a)) - side / 2;
    const int my = int(height * 0.6 + height / 4.0 * std::sin(a)) - side / 2;
    c.fill(mx, my, side, side, 255, 255, 255);
    c.fill(mx + side / 4, my + side / 4, side / 2, side / 2, 230, 40, 40);

    tjhandle tj = tjInitCompress();
    if (!tj)
        return nullptr;
    std::shared_ptr<const std::vector<uint8_t>> frame;
    unsigned char *jpeg = nullptr;
    unsigned long jpegSize = 0;
    if (tjCompress2(tj, c.rgb.data(), width, 0, height, TJPF_RGB, &jpeg, &jpegSize, TJSAMP_420, 80, 0) == 0)
        frame = std::make_shared<const std::vector<uint8_t>>(jpeg, jpeg + jpegSize);
    tjFree(jpeg);
    tjDestroy(tj);
    return frame;
}

void fillRecords(uint64_t n, KVR_STRUCT_LIVEVIEW_INFO_HISTGRAM *histogram, uint32_t *histogramSize,
                 uint32_t histogramCapacity, KVR_STRUCT_LIVEVIEW_INFO_POSTURE *posture, uint32_t *postureSize,
                 uint32_t postureCapacity, KVR_STRUCT_LIVEVIEW_INFO_LEVEL *level, uint32_t *levelSize,
                 uint32_t levelCapacity)
{
    if (histogram && histogramSize && histogramCapacity >= sizeof *histogram) {
        std::memset(histogram, 0, sizeof *histogram);
        histogram->count = 64;
        // A bump that wanders across the range.
        const double centre = 32 + 24 * std::sin(2 * kPi * double(n % 90) / 90);
        for (int i = 0; i < 64; ++i) {
            const double d = (i - centre) / 10;
            histogram->values[i] = uint8_t(std::lround(255 * std::exp(-d * d)));
        }
        *histogramSize = sizeof *histogram;
    }
    if (posture && postureSize && postureCapacity >= sizeof *posture) {
        posture->posture = uint16_t((n / 150) % 4);
        *postureSize = sizeof *posture;
    }
    if (level && levelSize && levelCapacity >= sizeof *level) {
        level->roll = int16_t(std::lround(150 * std::sin(2 * kPi * double(n % 120) / 120)));
        level->pitch = int16_t(std::lround(80 * std::cos(2 * kPi * double(n % 180) / 180)));
        *levelSize = sizeof *level;
    }
}

bool ringFits(const Camera &camera)
{
    return camera.liveViewRing && camera.liveViewRing->size == camera.transImg.size
           && camera.liveViewRing->aspect == pictureAspect(camera);
}

// An empty ring for the camera's transfer size and picture aspect, replacing
// one of another shape.
void fitRing(Camera &camera)
{
    if (ringFits(camera))
        return;
    auto ring = std::make_shared<LiveViewRing>();
    ring->size = camera.transImg.size;
    ring->aspect = pictureAspect(camera);
    ring->frames.resize(kRingFrames);
    camera.liveViewRing = std::move(ring);
}

} // namespace

extern "C" {

uint8_t KVR_func_api_Ctrl_LiveView_Start(const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    Camera &camera = *call.camera();
    camera.liveView = true;
    camera.liveViewFrame = 0;
    fitRing(camera);
    return call.succeed();
}

uint8_t KVR_func_api_Ctrl_LiveView_Stop(const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    call.camera()->liveView = false;
    return call.succeed();
}

uint8_t KVR_func_api_Get_LiveView_data(KVR_STRUCT_LIVEVIEW_INFO_HISTGRAM *histogram, uint32_t *histogramSize,
                                       KVR_STRUCT_LIVEVIEW_INFO_POSTURE *posture, uint32_t *postureSize,
                                       KVR_STRUCT_LIVEVIEW_INFO_LEVEL *level, uint32_t *levelSize, uint8_t *jpeg,
                                       uint32_t *jpegSize, const char *uuid, uint32_t *err)
{
    // The size words come in as capacities and go out as what was written:
    // nothing unless a frame is handed out.
    const uint32_t histogramCapacity = histogramSize ? *histogramSize : 0;
    const uint32_t postureCapacity = postureSize ? *postureSize : 0;
    const uint32_t levelCapacity = levelSize ? *levelSize : 0;
    const uint32_t jpegCapacity = jpegSize ? *jpegSize : 0;
    for (uint32_t *size : {histogramSize, postureSize, levelSize, jpegSize}) {
        if (size)
            *size = 0;
    }
    KVR_CALL(uuid, err);
    Camera &camera = *call.camera();
    if (!camera.liveView)
        return call.fail(KVR_ERR_NOT_SUPPORTED); // nothing to hand out without live view
    if (!jpeg || !jpegSize)
        return call.fail(KVR_ERR_INVALID_PARAM);
    if (camera.liveViewBusy > 0) {
        --camera.liveViewBusy;
        return call.fail(KVR_ERR_BUSY);
    }
    // A new transfer size or picture aspect changes the stream at once, as
    // on a camera, not only at the next start.
    fitRing(camera);
    const std::shared_ptr<LiveViewRing> ring = camera.liveViewRing;
    const uint64_t n = camera.liveViewFrame++;
    const bool corrupt = camera.liveViewCorrupt > 0;
    if (corrupt)
        --camera.liveViewCorrupt;
    const bool oversized = !corrupt && camera.liveViewOversized > 0;
    if (oversized)
        --camera.liveViewOversized;
    const size_t slot = size_t(n % kRingFrames);
    std::shared_ptr<const std::vector<uint8_t>> encoded = ring->frames[slot];
    const std::string id = camera.uuid;
    const int index = camera.index;
    const std::string model = camera.profile.model;
    // Encode and copy without holding up the others.
    call.unlock();
    if (!encoded) {
        encoded = encodeFrame(ring->size, ring->aspect, index, model, int(slot));
        if (!encoded)
            return call.fail(KVR_ERR_BUSY);
        std::lock_guard<std::recursive_mutex> g(lib().state);
        if (Camera *again = cameraByUuid(id.c_str()))
            ++again->liveViewFramesEncoded;
        if (!ring->frames[slot])
            ring->frames[slot] = encoded;
    }

    const std::vector<uint8_t> &frame = *encoded;
    if (frame.size() > jpegCapacity) {
        *jpegSize = uint32_t(frame.size());
        return call.fail(KVR_ERR_BUFFER_TOO_SMALL);
    }
    std::memcpy(jpeg, frame.data(), frame.size());
    *jpegSize = uint32_t(frame.size());
    if (corrupt) {
        // No start-of-image marker and garbage after it: no decoder takes it.
        std::fill(jpeg, jpeg + std::min<size_t>(frame.size(), 512), uint8_t(0x5A));
    }
    if (oversized)
        *jpegSize = jpegCapacity + 4096;
    fillRecords(n, histogram, histogramSize, histogramCapacity, posture, postureSize, postureCapacity, level, levelSize,
                levelCapacity);
    return call.succeed();
}

} // extern "C"

namespace kvrsim {

void injectLiveViewFault(int index, LiveViewFault fault, int count)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    Camera *camera = cameraByIndex(index);
    if (!camera || count <= 0)
        return;
    switch (fault) {
    case LiveViewFault::Busy:
        camera->liveViewBusy += count;
        break;
    case LiveViewFault::CorruptFrame:
        camera->liveViewCorrupt += count;
        break;
    case LiveViewFault::OversizedSize:
        camera->liveViewOversized += count;
        break;
    }
}

bool liveViewRunning(int index)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    const Camera *camera = cameraByIndex(index);
    return camera && camera->liveView;
}

uint64_t liveViewFramesServed(int index)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    const Camera *camera = cameraByIndex(index);
    return camera ? camera->liveViewFrame : 0;
}

uint64_t liveViewFramesEncoded(int index)
{
    std::lock_guard<std::recursive_mutex> g(lib().state);
    const Camera *camera = cameraByIndex(index);
    return camera ? camera->liveViewFramesEncoded : 0;
}

} // namespace kvrsim
