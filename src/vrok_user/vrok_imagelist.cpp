#include "vrok_user/vrok_imagelist.h"

#include "vrok_user/vrok_gdiobject.h"

namespace vrok { namespace user { namespace graphics {

bool CImageList::Create(int width, int height, int initialCount)
{
    return m_list.Reset(ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, initialCount, 0));
}

void CImageList::AddMasked(const CBitmap& bitmap, COLORREF transparent)
{
    if (!m_list.IsValid())
        return;
    if (bitmap.IsNull())
        ImageList_Add(m_list.Get(), nullptr, nullptr);
    else
        ImageList_AddMasked(m_list.Get(), bitmap.GetHandle(), transparent);
}

CIcon CImageList::MakeIcon(int index) const
{
    return CIcon(m_list.IsValid() ? ImageList_GetIcon(m_list.Get(), index, ILD_NORMAL) : nullptr);
}

}}}
