// Build-time tool: decodes the program icon's PNGs once, on the build machine, and writes their pixels as a C++
// source, so that the program shows its icon without starting a PNG decoder.
//
//   corvanta_icon_pixels OUTPUT.cpp PICTURE.png...
//
// Each picture must be square. Its pixels are taken in the form a window's icon pictures have in memory
// (premultiplied ARGB, one 32-bit number each) and written as runs, pairs of a count and the pixel repeated
// that many times, row after row. A picture of flat colours shrinks to a few per cent that way, and is drawn
// back about as fast as memory is filled, so the pixels cost the program nothing until a desktop asks.
#include <QImage>
#include <QString>
#include <cstdint>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct Picture
{
    int size = 0;
    QImage image;
};

bool writeSource(const std::string& path, const std::vector<Picture>& pictures)
{
    std::ofstream out(path);
    out << "// Written by corvanta_icon_pixels from packaging/icons at build time; edit the PNGs, not this.\n"
           "#include \"ProgramIconPixels.h\"\n\n"
           "#include <array>\n#include <cstdint>\n\n"
           "namespace shell {\n\n"
           "namespace {\n\n";
    for (const Picture& picture : pictures) {
        out << "const std::uint32_t runs" << picture.size << "[] = {";
        int written = 0;
        const auto writeRun = [&out, &written](std::uint32_t count, std::uint32_t pixel) {
            out << (written++ % 4 == 0 ? "\n    " : " ") << count << "u, 0x" << std::hex << std::setw(8)
                << std::setfill('0') << pixel << std::dec << "u,";
        };
        std::uint32_t count = 0;
        std::uint32_t pixel = 0;
        for (int y = 0; y < picture.size; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(picture.image.constScanLine(y));
            for (int x = 0; x < picture.size; ++x) {
                if (count > 0 && row[x] != pixel) {
                    writeRun(count, pixel);
                    count = 0;
                }
                pixel = row[x];
                ++count;
            }
        }
        writeRun(count, pixel);
        out << "\n};\n\n";
    }
    out << "const std::array<IconPicture, " << pictures.size() << "> pictures { {\n";
    for (const Picture& picture : pictures)
        out << "    { " << picture.size << ", runs" << picture.size << " },\n";
    out << "} };\n\n"
           "} // namespace\n\n"
           "std::span<const IconPicture> programIconPictures()\n"
           "{\n"
           "    return pictures;\n"
           "}\n\n"
           "} // namespace shell\n";
    out.close();
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::cerr << "usage: " << argv[0] << " OUTPUT.cpp PICTURE.png...\n";
        return 2;
    }
    std::vector<Picture> pictures;
    for (int i = 2; i < argc; ++i) {
        const QImage decoded(QString::fromLocal8Bit(argv[i]));
        if (decoded.isNull() || decoded.width() != decoded.height()) {
            std::cerr << argv[i] << ": not a square picture\n";
            return 1;
        }
        pictures.push_back({ decoded.width(), decoded.convertToFormat(QImage::Format_ARGB32_Premultiplied) });
    }
    if (!writeSource(argv[1], pictures)) {
        std::cerr << argv[1] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
