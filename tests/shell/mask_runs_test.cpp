#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <tuple>
#include <vector>

#include "shell/mask_runs.h"

namespace {

constexpr uint32_t kWhite = 0x00FFFFFF;

// A top-down 32-bit picture, blue/green/red/unused per pixel, all white.
struct Picture {
    int width, height;
    std::vector<uint8_t> bytes;
    Picture(int w, int h) : width(w), height(h), bytes(size_t(w) * h * 4, 0xFF) {}
    void Set(int x, int y, uint8_t b, uint8_t g, uint8_t r) {
        uint8_t* p = &bytes[(size_t(y) * width + x) * 4];
        p[0] = b, p[1] = g, p[2] = r;
    }
    void Black(int x, int y) { Set(x, y, 0, 0, 0); }
};

struct Collected {
    std::vector<RunBatch> batches;  // views valid only inside the sink
    std::vector<std::vector<SkinRect>> rects;
    std::vector<SkinRect> bounds;
    std::vector<RegionDataHeader> headers;
    size_t Total() const {
        size_t n = 0;
        for (auto& r : rects) n += r.size();
        return n;
    }
};

// The picture's rows as a bitmap file stores 24-bit ones: three bytes per
// pixel, each row padded to four bytes.
std::vector<uint8_t> Packed24(const Picture& pic, ptrdiff_t stride) {
    std::vector<uint8_t> rows(size_t(stride) * pic.height, 0xEE);
    for (int y = 0; y < pic.height; ++y)
        for (int x = 0; x < pic.width; ++x) std::memcpy(&rows[y * stride + x * 3], &pic.bytes[(size_t(y) * pic.width + x) * 4], 3);
    return rows;
}

Collected Scan(const Picture& pic, uint32_t colour = kWhite, uint32_t tolerance = 0, bool bottomUp = false,
               bool packed24 = false) {
    Collected out;
    RunCollector runs([&](const RunBatch& batch) {
        out.rects.emplace_back(batch.rects.begin(), batch.rects.end());
        out.bounds.push_back(batch.bounds);
        RegionDataHeader header;
        std::memcpy(&header, batch.regionData, sizeof header);
        out.headers.push_back(header);
        EXPECT_EQ(batch.regionBytes, 32 + 16 * batch.rects.size());
        EXPECT_EQ(std::memcmp(static_cast<const uint8_t*>(batch.regionData) + 32, batch.rects.data(),
                              16 * batch.rects.size()),
                  0);
    });
    const ptrdiff_t stride = pic.width * 4;
    if (packed24) {
        const ptrdiff_t packedStride = (pic.width * 3 + 3) / 4 * 4;
        const std::vector<uint8_t> rows = Packed24(pic, packedStride);
        ScanMaskRuns(rows.data(), pic.width, pic.height, packedStride, 3, TransparentRange(colour, tolerance), runs);
    } else if (!bottomUp) {
        ScanMaskRuns(pic.bytes.data(), pic.width, pic.height, stride, 4, TransparentRange(colour, tolerance), runs);
    } else {
        // Store the rows bottom-up and scan with a negative stride.
        std::vector<uint8_t> flipped(pic.bytes.size());
        for (int y = 0; y < pic.height; ++y)
            std::memcpy(&flipped[size_t(pic.height - 1 - y) * stride], &pic.bytes[size_t(y) * stride], stride);
        ScanMaskRuns(flipped.data() + (pic.height - 1) * stride, pic.width, pic.height, -stride, 4,
                     TransparentRange(colour, tolerance), runs);
    }
    runs.Finish();
    return out;
}

}  // namespace

TEST(MaskRuns, AllWhiteMaskGivesOneEmptyBatch) {
    const Collected c = Scan(Picture(17, 9));
    ASSERT_EQ(c.rects.size(), 1u);
    EXPECT_TRUE(c.rects[0].empty());
    EXPECT_EQ(c.headers[0].size, 32u);
    EXPECT_EQ(c.headers[0].type, 1u);
    EXPECT_EQ(c.headers[0].count, 0u);
    EXPECT_EQ(c.headers[0].regionBytes, 0u);
    EXPECT_EQ(c.headers[0].bounds, (SkinRect{2147483647, 2147483647, 0, 0}));
}

TEST(MaskRuns, RunsPerRowWithHolesAndOpaqueRightEdge) {
    Picture pic(6, 3);
    pic.Black(0, 0);                                  // row 0: [0,1) [3,6)
    for (int x = 3; x < 6; ++x) pic.Black(x, 0);
    for (int x = 0; x < 6; ++x) if (x != 2) pic.Black(x, 2);  // row 2: [0,2) [3,6)
    for (bool bottomUp : {false, true}) {
        const Collected c = Scan(pic, kWhite, 0, bottomUp);
        ASSERT_EQ(c.rects.size(), 1u);
        EXPECT_EQ(c.rects[0], (std::vector<SkinRect>{{0, 0, 1, 1}, {3, 0, 6, 1}, {0, 2, 2, 3}, {3, 2, 6, 3}}));
        EXPECT_EQ(c.headers[0].count, 4u);
        EXPECT_EQ(c.bounds[0], (SkinRect{0, 0, 6, 3}));
    }
}

TEST(MaskRuns, TwentyFourBitRowsGiveTheSameRunsAsThirtyTwoBitOnes) {
    // Odd widths put the padding bytes (not white) right after the last pixel.
    for (int width : {5, 7, 8}) {
        Picture pic(width, 4);
        pic.Black(0, 0);
        pic.Black(width - 1, 1);
        for (int x = 1; x < width - 1; ++x) pic.Set(x, 2, 0xFF, 0xFF, 0xFE);
        pic.Black(width - 2, 3);
        const Collected wide = Scan(pic), packed = Scan(pic, kWhite, 0, false, true);
        EXPECT_EQ(packed.rects, wide.rects) << "width " << width;
        EXPECT_EQ(packed.Total(), 4u);
    }
}

TEST(MaskRuns, ToleranceWidensTheRangeUpwardsAndCapsWithoutWrapping) {
    Picture pic(4, 1);
    pic.Set(0, 0, 0xF4, 0xF4, 0xF4);  // inside [F0, F8]
    pic.Set(1, 0, 0xFA, 0xFA, 0xFA);  // above it
    pic.Set(2, 0, 0xEF, 0xF0, 0xF0);  // blue just below it
    pic.Set(3, 0, 0xF0, 0xF8, 0xF0);  // on the upper bound
    Collected c = Scan(pic, 0xF0F0F0, 0x080808);
    ASSERT_EQ(c.Total(), 1u);
    EXPECT_EQ(c.rects[0][0], (SkinRect{1, 0, 3, 1}));

    // F0 + 20 is capped at FF rather than wrapping round to 10.
    Picture capped(2, 1);
    capped.Set(0, 0, 0x05, 0x05, 0x05);
    c = Scan(capped, 0xF0F0F0, 0x202020);
    ASSERT_EQ(c.Total(), 1u);
    EXPECT_EQ(c.rects[0][0], (SkinRect{0, 0, 1, 1}));
}

TEST(MaskRuns, ColourChannelsAreMatchedByName) {
    // Transparent pure red: only pixels whose red byte is 255 and blue 0 vanish.
    Picture pic(3, 1);
    pic.Set(0, 0, /*b*/ 0, 0, /*r*/ 255);
    pic.Set(1, 0, /*b*/ 255, 0, /*r*/ 0);
    pic.Set(2, 0, 0, 0, 255);
    const Collected c = Scan(pic, 0x000000FF);
    ASSERT_EQ(c.Total(), 1u);
    EXPECT_EQ(c.rects[0][0], (SkinRect{1, 0, 2, 1}));
}

TEST(MaskRuns, ManyRunsArriveInBatchesOfTwoThousandCoveringEveryRun) {
    // A checkerboard: every other pixel is a run of its own.
    Picture pic(100, 45);
    std::set<std::tuple<int, int>> expected;
    for (int y = 0; y < pic.height; ++y)
        for (int x = (y % 2); x < pic.width; x += 2) {
            pic.Black(x, y);
            expected.insert({x, y});
        }
    const Collected c = Scan(pic);
    ASSERT_EQ(expected.size(), 2250u);
    ASSERT_EQ(c.rects.size(), 2u);
    EXPECT_EQ(c.rects[0].size(), 2000u);
    EXPECT_EQ(c.rects[1].size(), 250u);
    std::set<std::tuple<int, int>> seen;
    for (size_t b = 0; b < c.rects.size(); ++b) {
        SkinRect box{2147483647, 2147483647, 0, 0};
        for (const SkinRect& r : c.rects[b]) {
            EXPECT_EQ(r.Width(), 1);
            EXPECT_EQ(r.Height(), 1);
            seen.insert({r.left, r.top});
            box = {std::min(box.left, r.left), std::min(box.top, r.top), std::max(box.right, r.right),
                   std::max(box.bottom, r.bottom)};
        }
        EXPECT_EQ(c.bounds[b], box) << "batch " << b;
    }
    EXPECT_EQ(seen, expected);
}

TEST(MaskRuns, ExactlyFullBatchIsFollowedByAnEmptyOne) {
    std::vector<size_t> sizes;
    RunCollector runs([&](const RunBatch& b) { sizes.push_back(b.rects.size()); });
    for (int i = 0; i < 2000; ++i) runs.Add({i, 0, i + 1, 1});
    EXPECT_EQ(runs.Capacity(), 2000u);  // grew 100 at a time, never beyond a batch
    runs.Finish();
    EXPECT_EQ(sizes, (std::vector<size_t>{2000, 0}));
}
