#ifndef VROK_USER_IMAGELIST_H
#define VROK_USER_IMAGELIST_H

#include "vrok_data/vrok_kernelobject.h"

#include <windows.h>
#include <commctrl.h>

namespace vrok { namespace user { namespace graphics {

class CBitmap;

struct CIconTraits
{
    typedef HICON Handle;
    static Handle Invalid() { return nullptr; }
    static long Release(Handle icon) { return DestroyIcon(icon); }
};

// An icon made at run time, destroyed with DestroyIcon.
typedef data::type::kernelobject::CUniqueHandle<CIconTraits> CIcon;

struct CImageListTraits
{
    typedef HIMAGELIST Handle;
    static Handle Invalid() { return nullptr; }
    static long Release(Handle list) { return ImageList_Destroy(list); }
};

// Pictures of one size in one image list (ImageList_Create), destroyed with the object. A list
// view given the list must be told to let go of it (or share it) before the object goes.
class CImageList final
{
public:
    // ImageList_Create of 32-bit pictures with a mask; a list held before is destroyed. False
    // when the system made no list.
    bool Create(int width, int height, int initialCount);

    // Adds the bitmap, its pixels of the colour made transparent, as the next picture; for a
    // missing bitmap, ImageList_Add of none, so that the pictures after it keep their index
    // wherever the system adds an empty picture for it.
    void AddMasked(const CBitmap& bitmap, COLORREF transparent);

    // A new icon of the picture at the index; none when there is no such picture.
    CIcon MakeIcon(int index) const;

    HIMAGELIST GetHandle() const { return m_list.Get(); }

private:
    data::type::kernelobject::CUniqueHandle<CImageListTraits> m_list;
};

}}}

#endif
