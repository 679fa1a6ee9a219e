// Draws the background pictures of the shipped themes and writes them as
// JPEG files into the folder given on the command line. Every picture is a
// small tile that repeats without a seam, and stays close to its theme's
// background colour so that the theme's text stays readable on it.
//
//   make-backgrounds FOLDER

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// jpeglib.h wants size_t and FILE declared before it.
#include <jpeglib.h>

namespace {

constexpr double Pi = 3.14159265358979323846;

struct Rgb {
    double r, g, b;
};

Rgb Mix(Rgb a, Rgb b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Hex(std::uint32_t rgb)
{
    return {double(rgb >> 16 & 0xFF), double(rgb >> 8 & 0xFF), double(rgb & 0xFF)};
}

// A repeatable pseudo-random number in [0, 1) for a lattice point.
double Hash(int x, int y, int seed)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u
                      + static_cast<std::uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return ((h ^ (h >> 16)) & 0xFFFFFF) / double(0x1000000);
}

// Smooth noise on a lattice of columns x rows cells that wraps around, so a
// tile made of it repeats without a seam. u and v run over [0, 1).
double TileNoise(double u, double v, int columns, int rows, int seed)
{
    const double x = u * columns, y = v * rows;
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const double fx = x - x0, fy = y - y0;
    const auto at = [&](int i, int j) {
        return Hash((i % columns + columns) % columns, (j % rows + rows) % rows, seed);
    };
    const auto ease = [](double t) { return t * t * (3 - 2 * t); };
    const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * ease(fx);
    const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * ease(fx);
    return top + (bottom - top) * ease(fy);
}

// Several octaves of tile noise, in [0, 1].
double Clouds(double u, double v, int cells, int seed)
{
    double sum = 0, weight = 0, amplitude = 1;
    for (int octave = 0; octave < 4; ++octave, cells *= 2, amplitude /= 2) {
        sum += TileNoise(u, v, cells, cells, seed + octave) * amplitude;
        weight += amplitude;
    }
    return sum / weight;
}

// Distance from t to the nearest multiple of step, on a circle of length 1.
double Near(double t, double step)
{
    const double m = std::fmod(t, step);
    return std::min(m, step - m);
}

struct Picture {
    const char* file;
    int side;
    std::function<Rgb(double u, double v)> colour;
};

const std::vector<Picture>& Pictures()
{
    static const std::vector<Picture> pictures{
        {"parchment.jpg", 128,
         [](double u, double v) {
             const double grain = Clouds(u, v, 4, 11);
             const double fibre = TileNoise(u, v + 0.02 * std::sin(2 * Pi * u * 3), 32, 32, 5);
             return Mix(Mix(Hex(0xFBF5E6), Hex(0xEFE2C6), grain), Hex(0xE9DABB), (fibre - 0.8) * 2);
         }},
        {"waves.jpg", 96,
         [](double u, double v) {
             const double crest = v + 0.045 * std::sin(2 * Pi * u * 2) + 0.02 * std::sin(2 * Pi * (u * 3 + v));
             const double d = Near(crest + 1, 1.0 / 4) * 96;
             return Mix(Hex(0xE6F3FB), Hex(0xC9E3F5), std::exp(-d * d / 3.0));
         }},
        {"leaves.jpg", 96,
         [](double u, double v) {
             Rgb c = Mix(Hex(0xEDF6E8), Hex(0xE3EFDC), Clouds(u, v, 3, 21));
             for (int leaf = 0; leaf < 6; ++leaf) {
                 const double cx = Hash(leaf, 1, 3), cy = Hash(leaf, 2, 3), angle = Hash(leaf, 3, 3) * Pi;
                 double dx = u - cx, dy = v - cy;
                 dx -= std::round(dx);
                 dy -= std::round(dy);
                 const double a = (dx * std::cos(angle) + dy * std::sin(angle)) / 0.075;
                 const double b = (-dx * std::sin(angle) + dy * std::cos(angle)) / 0.03;
                 const double r = a * a + b * b;
                 if (r < 1)
                     c = Mix(c, Hex(0xD3E6C7), 1.3 - r);
             }
             return c;
         }},
        {"sunset.jpg", 64,
         [](double u, double v) {
             const double band = 0.5 + 0.5 * std::sin(2 * Pi * (u + v));
             return Mix(Hex(0xFFF4EA), Hex(0xFCE6D8), band * band);
         }},
        {"stars.jpg", 128,
         [](double u, double v) {
             Rgb c = Mix(Hex(0x141E36), Hex(0x1B2744), Clouds(u, v, 3, 41));
             for (int star = 0; star < 14; ++star) {
                 double dx = (u - Hash(star, 1, 7)) * 128, dy = (v - Hash(star, 2, 7)) * 128;
                 dx -= 128 * std::round(dx / 128);
                 dy -= 128 * std::round(dy / 128);
                 const double glow = std::exp(-(dx * dx + dy * dy) / (0.6 + Hash(star, 3, 7)));
                 c = Mix(c, Hex(0x3C4768), glow);
             }
             return c;
         }},
        {"linen.jpg", 64,
         [](double u, double v) {
             const double warp = TileNoise(u, 0, 64, 1, 51), weft = TileNoise(0, v, 1, 64, 52);
             const double thread = 0.5 * (warp + weft) + 0.25 * Clouds(u, v, 4, 53);
             return Mix(Hex(0xF2F4F5), Hex(0xDDE2E5), thread);
         }},
        {"diamonds.jpg", 48,
         [](double u, double v) {
             const double d = std::min(Near(u + v, 0.5), Near(u - v + 1, 0.5)) * 48 / std::sqrt(2.0);
             return Mix(Hex(0xF6F2FB), Hex(0xE2D6F1), std::exp(-d * d / 0.8));
         }},
        {"grid.jpg", 48,
         [](double u, double v) {
             const double fine = std::min(Near(u, 0.25), Near(v, 0.25)) * 48;
             const double bold = std::min(Near(u, 1.0), Near(v, 1.0)) * 48;
             const Rgb paper = Mix(Hex(0xFCFDFE), Hex(0xE2ECF8), std::exp(-fine * fine / 0.4));
             return Mix(paper, Hex(0xD5E4F5), std::exp(-bold * bold / 0.5));
         }},
        {"chalk.jpg", 128,
         [](double u, double v) {
             const Rgb slate = Mix(Hex(0x27352C), Hex(0x33443A), Clouds(u, v, 4, 61));
             // Long streaks slanting down to the left.
             const double streak = TileNoise(u + v, v, 16, 2, 62);
             return Mix(slate, Hex(0x3E5045), (streak - 0.65) * 3);
         }},
    };
    return pictures;
}

// Writes atomically: a half-written picture never takes the file's name.
bool WriteJpeg(const std::string& path, const Picture& picture)
{
    const std::string part = path + ".part";
    std::FILE* out = std::fopen(part.c_str(), "wb");
    if (!out)
        return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = static_cast<JDIMENSION>(picture.side);
    info.image_height = static_cast<JDIMENSION>(picture.side);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    info.optimize_coding = TRUE;
    // Full colour resolution: the patterns have fine coloured lines.
    for (int c = 0; c < info.num_components; ++c)
        info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(picture.side) * 3);
    for (int y = 0; y < picture.side; ++y) {
        for (int x = 0; x < picture.side; ++x) {
            const Rgb c = picture.colour((x + 0.5) / picture.side, (y + 0.5) / picture.side);
            for (int k = 0; k < 3; ++k)
                row[static_cast<std::size_t>(x) * 3 + k] =
                    static_cast<JSAMPLE>(std::lround(std::clamp(k == 0 ? c.r : k == 1 ? c.g : c.b, 0.0, 255.0)));
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const bool closed = std::fclose(out) == 0;
    if (!closed || std::rename(part.c_str(), path.c_str()) != 0) {
        std::remove(part.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-backgrounds FOLDER\n");
        return 2;
    }
    for (const Picture& picture : Pictures()) {
        const std::string path = std::string(argv[1]) + "/" + picture.file;
        if (!WriteJpeg(path, picture)) {
            std::fprintf(stderr, "make-backgrounds: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
