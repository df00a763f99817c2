// Checks the committed artwork of Welcome against what the program and Windows 95 expect of it:
// every bitmap 8 bits per pixel with its own colour table, uncompressed, bottom-up, at the size
// that the control layout presupposes; the icon with its three images.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kResources = KFX_ART_DIR;
const fs::path kBitmaps = kResources / "bitmaps";

constexpr unsigned kBackgroundId = 130;

// Where a control stands on the background, when it stands anywhere.
struct Position {
  int x;
  int y;
};

struct ExpectedBitmap {
  unsigned id;
  int width;
  int height;
  std::optional<Position> position;
  const char* what;
};

constexpr Position kInstallColumn[] = {{260, 173}, {260, 209}, {260, 245}, {260, 281},
                                       {260, 317}, {260, 353}, {260, 389}};

const ExpectedBitmap kBitmapTable[] = {
    {126, 137, 34, Position{268, 134}, "label, enabled"},
    {127, 137, 34, Position{268, 134}, "label, disabled"},
    {kBackgroundId, 640, 480, Position{0, 0}, "background"},
    {131, 49, 24, Position{587, 450}, "exit, normal"},
    {132, 49, 24, Position{587, 450}, "exit, pressed"},
    {133, 49, 24, Position{587, 450}, "exit, focused"},
    {134, 79, 24, Position{446, 451}, "explore, normal"},
    {135, 79, 24, Position{446, 451}, "explore, pressed"},
    {136, 79, 24, Position{446, 451}, "explore, focused"},
    {137, 117, 82, std::nullopt, "explore's disabled number, never shown"},
    {140, 304, 33, kInstallColumn[2], "Adobe Premiere, normal"},
    {141, 304, 33, kInstallColumn[2], "Adobe Premiere, pressed"},
    {142, 304, 33, kInstallColumn[2], "Adobe Premiere, focused"},
    {143, 304, 33, kInstallColumn[2], "Adobe Premiere, disabled"},
    {144, 304, 33, kInstallColumn[5], "Speed-Razor, normal"},
    {145, 304, 33, kInstallColumn[5], "Speed-Razor, pressed"},
    {146, 304, 33, kInstallColumn[5], "Speed-Razor, focused"},
    {147, 304, 33, kInstallColumn[5], "Speed-Razor, disabled"},
    {148, 304, 33, kInstallColumn[0], "Avid MCXpress, normal"},
    {149, 304, 33, kInstallColumn[0], "Avid MCXpress, pressed"},
    {150, 304, 33, kInstallColumn[0], "Avid MCXpress, focused"},
    {151, 304, 33, kInstallColumn[0], "Avid MCXpress, disabled"},
    {152, 170, 24, Position{207, 450}, "manual, normal"},
    {153, 170, 24, Position{207, 450}, "manual, pressed"},
    {154, 170, 24, Position{207, 450}, "manual, focused"},
    {155, 126, 24, Position{29, 451}, "web site, normal"},
    {156, 126, 24, Position{29, 451}, "web site, pressed"},
    {157, 126, 24, Position{29, 451}, "web site, focused"},
    {160, 304, 33, kInstallColumn[1], "D-Vision OnLINE, normal"},
    {161, 304, 33, kInstallColumn[1], "D-Vision OnLINE, pressed"},
    {162, 304, 33, kInstallColumn[1], "D-Vision OnLINE, focused"},
    {163, 304, 33, kInstallColumn[1], "D-Vision OnLINE, disabled"},
    {164, 304, 33, kInstallColumn[6], "Limited Edition, normal"},
    {165, 304, 33, kInstallColumn[6], "Limited Edition, pressed"},
    {166, 304, 33, kInstallColumn[6], "Limited Edition, focused"},
    {167, 304, 33, kInstallColumn[6], "Limited Edition, disabled"},
    {168, 304, 33, kInstallColumn[4], "FAST VM-Studio Plus, normal"},
    {169, 304, 33, kInstallColumn[4], "FAST VM-Studio Plus, pressed"},
    {170, 304, 33, kInstallColumn[4], "FAST VM-Studio Plus, focused"},
    {171, 304, 33, kInstallColumn[4], "FAST VM-Studio Plus, disabled"},
    {172, 304, 33, kInstallColumn[3], "Adobe After Effects, normal"},
    {173, 304, 33, kInstallColumn[3], "Adobe After Effects, pressed"},
    {174, 304, 33, kInstallColumn[3], "Adobe After Effects, focused"},
    {175, 304, 33, kInstallColumn[3], "Adobe After Effects, disabled"},
};

// The first image of every control with a look per state, and how many looks of its own it has.
struct ExpectedLooks {
  unsigned firstId;
  int looks;
};

const ExpectedLooks kLookTable[] = {
    {126, 2},                                                              // label
    {148, 4}, {160, 4}, {140, 4}, {172, 4}, {168, 4}, {144, 4}, {164, 4},  // install buttons
    {155, 3}, {152, 3}, {134, 3}, {131, 3},                                // bottom strip
};

// Looks that differ in fewer pixels than this share of the image are too alike to tell apart.
constexpr double kMinDifferentShare = 0.10;

struct ExpectedIconImage {
  int size;
  int bitsPerPixel;
  int colours;
};

const ExpectedIconImage kIconTable[] = {{32, 4, 16}, {32, 8, 256}, {16, 8, 256}};

constexpr uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER
constexpr uint32_t kFileHeaderSize = 14;  // BITMAPFILEHEADER
constexpr uint32_t kBiRgb = 0;

std::vector<uint8_t> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint16_t Le16(const std::vector<uint8_t>& d, size_t at) {
  return static_cast<uint16_t>(d.at(at) | d.at(at + 1) << 8);
}

uint32_t Le32(const std::vector<uint8_t>& d, size_t at) {
  return static_cast<uint32_t>(Le16(d, at)) | static_cast<uint32_t>(Le16(d, at + 2)) << 16;
}

struct Rgb {
  uint8_t r, g, b;
  bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
  bool operator!=(const Rgb& o) const { return !(*this == o); }
};

// A device-independent bitmap as the files hold it: BITMAPINFOHEADER, colour table, pixels.
struct Dib {
  uint32_t headerSize = 0;
  int32_t width = 0;
  int32_t height = 0;
  uint16_t planes = 0;
  uint16_t bitsPerPixel = 0;
  uint32_t compression = 0;
  uint32_t coloursUsed = 0;  // entries in the colour table
  std::vector<Rgb> table;
  std::vector<std::vector<uint8_t>> rows;  // colour indices, top row first
};

uint32_t Stride(int32_t width, uint16_t bits) { return (width * bits + 31) / 32 * 4; }

// Parses the DIB at `at`; `rowsHeight` is the number of colour rows (an icon's header counts
// its mask rows too). Fails the current test on anything malformed.
std::optional<Dib> ParseDib(const std::vector<uint8_t>& d, size_t at, size_t pixelsAt,
                            int32_t rowsHeight) {
  Dib dib;
  if (d.size() < at + kInfoHeaderSize) {
    ADD_FAILURE() << "file ends inside the bitmap header";
    return std::nullopt;
  }
  dib.headerSize = Le32(d, at);
  dib.width = static_cast<int32_t>(Le32(d, at + 4));
  dib.height = static_cast<int32_t>(Le32(d, at + 8));
  dib.planes = Le16(d, at + 12);
  dib.bitsPerPixel = Le16(d, at + 14);
  dib.compression = Le32(d, at + 16);
  dib.coloursUsed = Le32(d, at + 32);
  if (dib.coloursUsed == 0 && dib.bitsPerPixel <= 8) dib.coloursUsed = 1u << dib.bitsPerPixel;
  if (dib.headerSize != kInfoHeaderSize || dib.bitsPerPixel > 8 || dib.coloursUsed == 0 ||
      dib.coloursUsed > (1u << dib.bitsPerPixel) || dib.width <= 0 || rowsHeight <= 0) {
    ADD_FAILURE() << "not a bottom-up palette bitmap with a 40-byte header: header "
                  << dib.headerSize << ", " << dib.bitsPerPixel << " bpp, " << dib.coloursUsed
                  << " colours, " << dib.width << " x " << rowsHeight;
    return std::nullopt;
  }
  const size_t tableAt = at + kInfoHeaderSize;
  if (pixelsAt < tableAt + 4 * dib.coloursUsed) {
    ADD_FAILURE() << "pixels start inside the colour table";
    return std::nullopt;
  }
  for (uint32_t i = 0; i < dib.coloursUsed; ++i) {
    const size_t e = tableAt + 4 * i;  // blue, green, red, reserved
    dib.table.push_back({d.at(e + 2), d.at(e + 1), d.at(e)});
  }
  const uint32_t stride = Stride(dib.width, dib.bitsPerPixel);
  if (d.size() < pixelsAt + static_cast<size_t>(stride) * rowsHeight) {
    ADD_FAILURE() << "file ends inside the pixels";
    return std::nullopt;
  }
  dib.rows.resize(rowsHeight);
  for (int32_t stored = 0; stored < rowsHeight; ++stored) {
    auto& row = dib.rows[rowsHeight - 1 - stored];  // bottom-up: the first stored row is the last
    for (int32_t x = 0; x < dib.width; ++x) {
      const size_t pos = pixelsAt + static_cast<size_t>(stride) * stored;
      row.push_back(dib.bitsPerPixel == 8 ? d.at(pos + x)
                                          : (d.at(pos + x / 2) >> (x % 2 ? 0 : 4)) & 0x0F);
    }
  }
  return dib;
}

fs::path BitmapPath(unsigned id) { return kBitmaps / ("bmp" + std::to_string(id) + ".bmp"); }

struct BitmapFile {
  std::vector<uint8_t> bytes;
  Dib dib;
};

std::optional<BitmapFile> LoadBitmapFile(unsigned id) {
  BitmapFile file;
  file.bytes = ReadFile(BitmapPath(id));
  const auto& d = file.bytes;
  if (d.size() < kFileHeaderSize || d[0] != 'B' || d[1] != 'M') {
    ADD_FAILURE() << BitmapPath(id) << " is not a BMP file";
    return std::nullopt;
  }
  EXPECT_EQ(Le32(d, 2), d.size()) << "file size field";
  const int32_t height = static_cast<int32_t>(Le32(d, kFileHeaderSize + 8));
  auto dib = ParseDib(d, kFileHeaderSize, Le32(d, 10), height);
  if (!dib) return std::nullopt;
  file.dib = *dib;
  return file;
}

Rgb PixelAt(const Dib& dib, int x, int y) { return dib.table.at(dib.rows.at(y).at(x)); }

void PrintTo(const ExpectedBitmap& row, std::ostream* os) {
  *os << "bmp" << row.id << " (" << row.what << ")";
}
void PrintTo(const ExpectedLooks& row, std::ostream* os) { *os << "images from " << row.firstId; }
void PrintTo(const Rgb& c, std::ostream* os) {
  *os << "rgb(" << int(c.r) << "," << int(c.g) << "," << int(c.b) << ")";
}

class BitmapFormat : public ::testing::TestWithParam<ExpectedBitmap> {};

TEST_P(BitmapFormat, IsAnUncompressedBottomUp8BitBitmapOfItsSize) {
  const ExpectedBitmap& want = GetParam();
  SCOPED_TRACE(want.what);
  auto file = LoadBitmapFile(want.id);
  ASSERT_TRUE(file);
  const Dib& dib = file->dib;
  EXPECT_EQ(dib.width, want.width);
  EXPECT_EQ(dib.height, want.height) << "a positive height means bottom-up rows";
  EXPECT_EQ(dib.planes, 1);
  EXPECT_EQ(dib.bitsPerPixel, 8);
  EXPECT_EQ(dib.compression, kBiRgb);
  EXPECT_EQ(Le32(file->bytes, 10), kFileHeaderSize + kInfoHeaderSize + 4 * dib.coloursUsed)
      << "the colour table lies between the header and the pixels";
  std::set<uint8_t> used;
  for (const auto& row : dib.rows) used.insert(row.begin(), row.end());
  ASSERT_FALSE(used.empty());
  EXPECT_LT(*used.rbegin(), dib.coloursUsed) << "a pixel names a colour beyond the table";
  EXPECT_GT(used.size(), 2u) << "an image of text and shapes has more than two colours";
}

// A control's image is drawn on the part of the background that it covers, so its corners (left
// outside the rounded plate) match the background there: it stands without a seam.
TEST(ArtSeams, EveryControlsCornersMatchTheBackgroundUnderIt) {
  auto background = LoadBitmapFile(kBackgroundId);
  ASSERT_TRUE(background);
  for (const ExpectedBitmap& want : kBitmapTable) {
    if (!want.position || want.id == kBackgroundId) continue;
    SCOPED_TRACE(std::string("bmp") + std::to_string(want.id) + ", " + want.what);
    auto image = LoadBitmapFile(want.id);
    ASSERT_TRUE(image);
    const int w = want.width - 1, h = want.height - 1;
    const std::array<std::pair<int, int>, 4> corners = {{{0, 0}, {w, 0}, {0, h}, {w, h}}};
    for (auto [x, y] : corners) {
      EXPECT_EQ(PixelAt(image->dib, x, y),
                PixelAt(background->dib, want.position->x + x, want.position->y + y))
          << "corner " << x << "," << y;
    }
  }
}

std::string BitmapName(const ::testing::TestParamInfo<ExpectedBitmap>& info) {
  return "bmp" + std::to_string(info.param.id);
}

INSTANTIATE_TEST_SUITE_P(Art, BitmapFormat, ::testing::ValuesIn(kBitmapTable), BitmapName);

std::string Listed(const std::set<std::string>& names) {
  std::string text;
  for (const auto& name : names) text += " " + name;
  return text.empty() ? " none" : text;
}

TEST(ArtFiles, BitmapFolderHoldsExactlyTheExpectedImages) {
  std::set<std::string> expected, found, missing, unexpected;
  for (const auto& row : kBitmapTable) expected.insert(BitmapPath(row.id).filename().string());
  for (const auto& entry : fs::directory_iterator(kBitmaps))
    found.insert(entry.path().filename().string());
  std::set_difference(expected.begin(), expected.end(), found.begin(), found.end(),
                      std::inserter(missing, missing.end()));
  std::set_difference(found.begin(), found.end(), expected.begin(), expected.end(),
                      std::inserter(unexpected, unexpected.end()));
  EXPECT_TRUE(missing.empty()) << "missing:" << Listed(missing);
  // The web site's disabled number 158 in particular must hold no image, so that the button
  // falls back to its normal one.
  EXPECT_TRUE(unexpected.empty()) << "unexpected:" << Listed(unexpected);
}

double DifferentShare(const Dib& a, const Dib& b) {
  if (a.width != b.width || a.rows.size() != b.rows.size()) return 1.0;
  size_t differing = 0;
  for (int y = 0; y < static_cast<int>(a.rows.size()); ++y)
    for (int x = 0; x < a.width; ++x) differing += PixelAt(a, x, y) != PixelAt(b, x, y);
  return static_cast<double>(differing) / (a.width * a.rows.size());
}

class ControlLooks : public ::testing::TestWithParam<ExpectedLooks> {};

TEST_P(ControlLooks, EveryLookIsClearlyDifferentFromTheOthers) {
  const ExpectedLooks& want = GetParam();
  std::vector<Dib> looks;
  for (int i = 0; i < want.looks; ++i) {
    auto file = LoadBitmapFile(want.firstId + i);
    ASSERT_TRUE(file) << "image " << want.firstId + i;
    looks.push_back(file->dib);
  }
  for (int i = 0; i < want.looks; ++i)
    for (int j = i + 1; j < want.looks; ++j)
      EXPECT_GE(DifferentShare(looks[i], looks[j]), kMinDifferentShare)
          << "images " << want.firstId + i << " and " << want.firstId + j << " look alike";
}

INSTANTIATE_TEST_SUITE_P(Art, ControlLooks, ::testing::ValuesIn(kLookTable), [](const auto& info) {
  return "from" + std::to_string(info.param.firstId);
});

TEST(ArtIcon, HoldsThreeImagesOfTheExpectedSizesAndColours) {
  const auto d = ReadFile(kResources / "welcome.ico");
  ASSERT_GE(d.size(), 6u);
  EXPECT_EQ(Le16(d, 0), 0) << "reserved";
  EXPECT_EQ(Le16(d, 2), 1) << "resource type icon";
  ASSERT_EQ(Le16(d, 4), std::size(kIconTable));
  for (size_t i = 0; i < std::size(kIconTable); ++i) {
    const ExpectedIconImage& want = kIconTable[i];
    SCOPED_TRACE("icon image " + std::to_string(i));
    const size_t entry = 6 + 16 * i;  // ICONDIRENTRY
    ASSERT_GE(d.size(), entry + 16);
    EXPECT_EQ(d[entry], want.size) << "width";
    EXPECT_EQ(d[entry + 1], want.size) << "height";
    EXPECT_EQ(d[entry + 2], want.colours == 256 ? 0 : want.colours) << "colour count";
    EXPECT_EQ(Le16(d, entry + 4), 1) << "planes";
    EXPECT_EQ(Le16(d, entry + 6), want.bitsPerPixel);
    const uint32_t bytes = Le32(d, entry + 8), at = Le32(d, entry + 12);
    ASSERT_LE(static_cast<size_t>(at) + bytes, d.size()) << "image lies outside the file";

    const uint32_t tableBytes = 4 * want.colours;
    auto dib = ParseDib(d, at, at + kInfoHeaderSize + tableBytes, want.size);
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib->width, want.size);
    EXPECT_EQ(dib->height, 2 * want.size) << "an icon's height counts colour and mask rows";
    EXPECT_EQ(dib->bitsPerPixel, want.bitsPerPixel);
    EXPECT_EQ(dib->compression, kBiRgb);
    EXPECT_EQ(dib->coloursUsed, static_cast<uint32_t>(want.colours));
    const uint32_t colourRows = Stride(want.size, want.bitsPerPixel) * want.size;
    const uint32_t maskRows = Stride(want.size, 1) * want.size;
    EXPECT_EQ(bytes, kInfoHeaderSize + tableBytes + colourRows + maskRows);
  }
}

}  // namespace
