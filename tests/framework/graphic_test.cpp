#include "test_windows.h"

#include "vrok_user/vrok_dll.h"
#include "vrok_user/vrok_graphic.h"

#include <gtest/gtest.h>

#include <type_traits>

using frameworktest::CTestWindow;
using frameworktest::OwnDcClassName;
using vrok::data::type::kernelobject::CDll;
using vrok::user::graphics::CBitmap;
using vrok::user::graphics::CFont;
using vrok::user::graphics::CGraphic;
using vrok::user::graphics::CPen;
using vrok::user::graphics::CSolidBrush;

static_assert(!std::is_copy_constructible<CPen>::value && !std::is_copy_assignable<CPen>::value,
              "a handle has exactly one owner");
static_assert(!std::is_copy_constructible<CGraphic>::value, "a device context has exactly one owner");

namespace {

// The objects a device context holds; with CS_OWNDC the context keeps them between GetDC calls.
struct CSelection
{
    HGDIOBJ font;
    HGDIOBJ pen;
    HGDIOBJ brush;
};

CSelection CurrentSelection(HWND window)
{
    HDC dc = GetDC(window);
    const CSelection selection = {GetCurrentObject(dc, OBJ_FONT), GetCurrentObject(dc, OBJ_PEN),
                                  GetCurrentObject(dc, OBJ_BRUSH)};
    ReleaseDC(window, dc);
    return selection;
}

COLORREF CurrentBkColour(HWND window)
{
    HDC dc = GetDC(window);
    const COLORREF colour = GetBkColor(dc);
    ReleaseDC(window, dc);
    return colour;
}

class GraphicTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_window.CreateTopLevel(OwnDcClassName(), 0, 0, 200, 100)); }
    CTestWindow m_window;
};

}

TEST_F(GraphicTest, DestructionGivesTheContextBackItsObjectsAndAWhiteBackground)
{
    const CSelection before = CurrentSelection(m_window.GetHandle());
    CFont small, large;
    small.lfHeight = 10;
    large.lfHeight = 20;
    CPen thin(RGB(39, 49, 151), 1), thick(RGB(133, 154, 237), 2);
    CSolidBrush brush(RGB(1, 2, 3));
    ASSERT_TRUE(small.Create() && large.Create() && thin.Create() && thick.Create() && brush.Create());
    {
        CGraphic graphic(m_window.GetHandle());
        graphic.SelectFont(small);
        graphic.SelectFont(large);
        graphic.SelectPen(thin);
        graphic.SelectPen(thick);
        graphic.SelectBrush(brush);
        EXPECT_EQ(large.GetHandle(), GetCurrentObject(graphic.GetHandle(), OBJ_FONT));
        EXPECT_EQ(thick.GetHandle(), GetCurrentObject(graphic.GetHandle(), OBJ_PEN));
        EXPECT_EQ(brush.GetHandle(), GetCurrentObject(graphic.GetHandle(), OBJ_BRUSH));
        graphic.SetBkColor(RGB(255, 0, 0));
        EXPECT_EQ(RGB(255, 0, 0), GetBkColor(graphic.GetHandle()));
    }
    const CSelection after = CurrentSelection(m_window.GetHandle());
    EXPECT_EQ(before.font, after.font);
    EXPECT_EQ(before.pen, after.pen);
    EXPECT_EQ(before.brush, after.brush);
    EXPECT_EQ(RGB(255, 255, 255), CurrentBkColour(m_window.GetHandle()));
    EXPECT_TRUE(thick.Close()) << "the pen is no longer selected and can be deleted";
}

TEST_F(GraphicTest, SelectingAnObjectWithoutPlatformObjectThrowsBeforeDrawing)
{
    const CSelection before = CurrentSelection(m_window.GetHandle());
    CPen failed(RGB(0, 0, 0), 1);  // never made: the state a failed creation leaves
    CFont neverCreated;
    CSolidBrush brushNeverCreated;
    bool drew = false;
    {
        CGraphic graphic(m_window.GetHandle());
        EXPECT_THROW(graphic.SelectFont(neverCreated), CGraphic::CExceptionBadObject);
        EXPECT_THROW(graphic.SelectBrush(brushNeverCreated), CGraphic::CExceptionBadObject);
        try
        {
            graphic.SelectPen(failed);
            drew = LineTo(graphic.GetHandle(), 50, 50) != 0;
        }
        catch (const CGraphic::CExceptionBadObject&)
        {
        }
    }
    EXPECT_FALSE(drew);
    const CSelection after = CurrentSelection(m_window.GetHandle());
    EXPECT_EQ(before.pen, after.pen);
    EXPECT_EQ(before.font, after.font);
}

TEST(HandleObjects, CloseReleasesOnceAndOnlyWhatIsHeld)
{
    CSolidBrush brush(RGB(10, 20, 30));
    EXPECT_FALSE(brush.Close()) << "nothing held yet";
    ASSERT_TRUE(brush.Create());
    HGDIOBJ handle = brush.GetHandle();
    EXPECT_EQ(OBJ_BRUSH, static_cast<int>(GetObjectType(handle)));
    EXPECT_TRUE(brush.Close());
    EXPECT_TRUE(brush.IsNull());
    EXPECT_EQ(0u, GetObjectType(handle)) << "the brush is deleted";
    EXPECT_FALSE(brush.Close());

    CDll library;
    EXPECT_FALSE(library.Close());
    ASSERT_TRUE(library.Load(L"Msimg32.dll"));
    EXPECT_NE(nullptr, library.FindEntryPoint("GradientFill"));
    EXPECT_TRUE(library.Close());
    EXPECT_FALSE(library.Close());
    EXPECT_EQ(nullptr, library.FindEntryPoint("GradientFill"));
}

TEST(HandleObjects, RecreatingAFontReleasesTheFirstOne)
{
    CFont font;
    EXPECT_STREQ(L"Verdana", font.lfFaceName);
    EXPECT_EQ(10, font.lfHeight);
    ASSERT_TRUE(font.Create());
    HGDIOBJ first = font.GetHandle();
    font.lfHeight = 14;
    ASSERT_TRUE(font.Create());
    EXPECT_EQ(0u, GetObjectType(first));
    LOGFONTW description = {};
    GetObjectW(font.GetHandle(), sizeof(description), &description);
    EXPECT_EQ(14, description.lfHeight);
}

TEST_F(GraphicTest, GradientAndBitmapDrawingReportWhatTheyDid)
{
    CGraphic graphic(m_window.GetHandle());
    ASSERT_TRUE(graphic.HasGradientFill());
    TRIVERTEX vertices[2] = {{0, 0, 0xFF00, 0, 0, 0}, {100, 20, 0xFF00, 0, 0, 0}};
    GRADIENT_RECT mesh = {0, 1};
    EXPECT_TRUE(graphic.GradientFill(vertices, 2, &mesh, 1, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(RGB(255, 0, 0), GetPixel(graphic.GetHandle(), 50, 10));

    CBitmap missing;
    EXPECT_FALSE(missing.LoadFromResource(MAKEINTRESOURCEW(4242)));
    EXPECT_FALSE(graphic.DrawBitmap(missing, 0, 0));
}

TEST_F(GraphicTest, PaintCycleValidatesTheUpdateRegionOnlyWhenThereIsOne)
{
    ValidateRect(m_window.GetHandle(), nullptr);
    {
        CGraphic graphic(m_window.GetHandle());
        graphic.BeginPaint();
        EXPECT_FALSE(graphic.IsPainting());
        graphic.EndPaint();
    }
    InvalidateRect(m_window.GetHandle(), nullptr, FALSE);
    {
        CGraphic graphic(m_window.GetHandle());
        graphic.BeginPaint();
        EXPECT_TRUE(graphic.IsPainting());
        graphic.EndPaint();
        EXPECT_FALSE(graphic.IsPainting());
    }
    EXPECT_FALSE(GetUpdateRect(m_window.GetHandle(), nullptr, FALSE));
}
