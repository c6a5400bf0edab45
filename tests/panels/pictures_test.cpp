// The pictures linked into the program: sizes, depth, ground colour and the icon's sizes.

#include "panel_windows.h"

#include <gtest/gtest.h>

#include <cstdlib>

using paneltest::NearColour;

namespace {

struct CLoadedPicture
{
    explicit CLoadedPicture(int id)
        : bitmap(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP,
                                                 0, 0, LR_CREATEDIBSECTION))),
          memory(CreateCompatibleDC(nullptr)), previous(nullptr)
    {
        if (bitmap != nullptr)
        {
            GetObjectW(bitmap, sizeof(record), &record);
            previous = SelectObject(memory, bitmap);
        }
    }

    ~CLoadedPicture()
    {
        if (previous != nullptr)
            SelectObject(memory, previous);
        DeleteDC(memory);
        if (bitmap != nullptr)
            DeleteObject(bitmap);
    }

    COLORREF Pixel(int x, int y) const { return GetPixel(memory, x, y); }

    HBITMAP bitmap;
    HDC memory;
    HGDIOBJ previous;
    BITMAP record = {};
};

int ColourDistance(COLORREF a, COLORREF b)
{
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}

TEST(Pictures, VerdictShieldsAre30By30On32BitsOnTheStripsGround)
{
    COLORREF shieldColours[4] = {};
    for (int id = 101; id <= 104; ++id)
    {
        CLoadedPicture picture(id);
        ASSERT_NE(nullptr, picture.bitmap) << id;
        EXPECT_EQ(30, picture.record.bmWidth) << id;
        EXPECT_EQ(30, picture.record.bmHeight) << id;
        EXPECT_EQ(32, picture.record.bmBitsPixel) << id;
        // The corners lie outside the shield, on the strip's pale yellow.
        EXPECT_EQ(RGB(255, 255, 225), picture.Pixel(0, 0)) << id;
        EXPECT_EQ(RGB(255, 255, 225), picture.Pixel(29, 0)) << id;
        EXPECT_EQ(RGB(255, 255, 225), picture.Pixel(0, 29)) << id;
        // The white mark in the middle of the shield.
        EXPECT_TRUE(NearColour(picture.Pixel(15, 18), RGB(255, 255, 255), 40) ||
                    NearColour(picture.Pixel(15, 14), RGB(255, 255, 255), 40)) << id;
        shieldColours[id - 101] = picture.Pixel(24, 12);
    }
    for (int first = 0; first < 4; ++first)
        for (int second = first + 1; second < 4; ++second)
            EXPECT_GT(ColourDistance(shieldColours[first], shieldColours[second]), 120) << first << " " << second;
}

TEST(Pictures, MarksDifferNotOnlyTheColours)
{
    // The white of each mark, pixel by pixel: no two shields carry the same mark.
    bool white[4][30][30] = {};
    for (int id = 101; id <= 104; ++id)
    {
        CLoadedPicture picture(id);
        ASSERT_NE(nullptr, picture.bitmap) << id;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x)
                white[id - 101][y][x] = NearColour(picture.Pixel(x, y), RGB(255, 255, 255), 30);
    }
    for (int first = 0; first < 4; ++first)
        for (int second = first + 1; second < 4; ++second)
        {
            int differing = 0;
            for (int y = 0; y < 30; ++y)
                for (int x = 0; x < 30; ++x)
                    differing += white[first][y][x] != white[second][y][x];
            EXPECT_GT(differing, 25) << first << " " << second;
        }
}

TEST(Pictures, AboutPictureIsALightPrintOnDarkGreen)
{
    CLoadedPicture picture(105);
    ASSERT_NE(nullptr, picture.bitmap);
    EXPECT_EQ(336, picture.record.bmWidth);
    EXPECT_EQ(450, picture.record.bmHeight);
    EXPECT_EQ(32, picture.record.bmBitsPixel);

    int dark = 0;
    int lightGreen = 0;
    for (int y = 0; y < 450; y += 3)
        for (int x = 0; x < 336; x += 3)
        {
            const COLORREF c = picture.Pixel(x, y);
            if (GetRValue(c) < 20 && GetGValue(c) < 80 && GetBValue(c) < 40)
                ++dark;
            else if (GetGValue(c) > 120 && GetGValue(c) > GetRValue(c) + 30 && GetGValue(c) > GetBValue(c) + 30)
                ++lightGreen;
        }
    EXPECT_GT(dark, 5000);
    EXPECT_GT(lightGreen, 1000);
}

#pragma pack(push, 2)
struct CIconGroupEntry
{
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
struct CIconGroupHeader
{
    WORD reserved;
    WORD type;
    WORD count;
};
#pragma pack(pop)

TEST(Pictures, IconHas16And32And48PixelImagesWithAlpha)
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(106), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    ASSERT_NE(nullptr, found);
    const auto* header = static_cast<const CIconGroupHeader*>(LockResource(LoadResource(module, found)));
    ASSERT_NE(nullptr, header);
    ASSERT_EQ(3, header->count);
    const auto* entries = reinterpret_cast<const CIconGroupEntry*>(header + 1);
    const int sizes[3] = {16, 32, 48};
    for (int index = 0; index < 3; ++index)
    {
        EXPECT_EQ(sizes[index], entries[index].width);
        EXPECT_EQ(sizes[index], entries[index].height);
        EXPECT_EQ(32, entries[index].bitCount);
    }

    HICON icon = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(106), IMAGE_ICON, 48, 48, 0));
    ASSERT_NE(nullptr, icon);
    DestroyIcon(icon);
}

}
