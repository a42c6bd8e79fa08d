// contact_sheet.cpp: one review picture of every generated picture, labelled with its path.
#include <algorithm>
#include <cmath>
#include <string>

#include "tools/assetgen/art.h"
#include "tools/assetgen/text.h"

namespace
{
constexpr int Columns = 6;
constexpr int CellWidth = 320;
constexpr int CellHeight = 230;
constexpr int Header = 70;
} // namespace

Canvas Thumbnail(const Canvas& picture, int maxWidth, int maxHeight)
{
    float k = std::min(float(maxWidth) / picture.Width(), float(maxHeight) / picture.Height());
    k = std::min(k, 1.0f);
    return picture.Resized(std::max(1, int(std::lround(picture.Width() * k))),
                           std::max(1, int(std::lround(picture.Height() * k))));
}

Canvas ContactSheet(const std::vector<ContactEntry>& entries)
{
    int rows = int(entries.size() + Columns - 1) / Columns;
    Canvas sheet(Columns * CellWidth, Header + rows * CellHeight, Hex(0x202028));
    TextStyle title;
    title.size = 34;
    title.top = title.bottom = Hex(0xFFFFFF);
    DrawText(sheet, "Vantara: every generated picture", 20, 46, title);
    TextStyle label;
    label.face = FontFace::Condensed;
    label.size = 15;
    label.top = label.bottom = Hex(0xE8E8F0);
    label.align = Align::Centre;
    for (size_t i = 0; i < entries.size(); i++)
    {
        const ContactEntry& e = entries[i];
        float x0 = float(i % Columns) * CellWidth, y0 = Header + float(i / Columns) * CellHeight;
        float tx = x0 + (CellWidth - e.thumbnail.Width()) * 0.5f;
        float ty = y0 + 8 + (170 - e.thumbnail.Height()) * 0.5f;
        // A checkerboard under the thumbnail shows where it is transparent.
        sheet.Shade(
            [](Vec p)
            {
                bool dark = (int(std::floor(p.x / 10)) + int(std::floor(p.y / 10))) % 2 == 0;
                return dark ? Hex(0x55555F) : Hex(0x8A8A94);
            },
            {tx, ty, tx + e.thumbnail.Width(), ty + e.thumbnail.Height()});
        sheet.Draw(e.thumbnail, tx, ty);
        std::string size = std::to_string(e.width) + " x " + std::to_string(e.height);
        label.size = FittingSize(e.path, TextStyle{label}, CellWidth - 12);
        DrawText(sheet, e.path, x0 + CellWidth * 0.5f, y0 + 196, label);
        TextStyle small = label;
        small.size = 13;
        small.top = small.bottom = Hex(0xA0A0B0);
        DrawText(sheet, size, x0 + CellWidth * 0.5f, y0 + 215, small);
    }
    return sheet;
}
