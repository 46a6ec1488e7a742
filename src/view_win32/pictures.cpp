#include "view_win32/pictures.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>

// GDI+'s headers use min and max unqualified, which windows_api.h keeps from being macros.
namespace Gdiplus {
using std::max;
using std::min;
} // namespace Gdiplus
#include <objidl.h>
#include <gdiplus.h>

namespace sahifex::view_win32 {

namespace {

// ":/pictures/send.svg" is the resource "PICTURE_SEND".
std::wstring resourceName(const std::string& picture) {
    const size_t start = picture.find_last_of('/') + 1;
    const size_t end = picture.rfind('.');
    std::wstring name = L"PICTURE_";
    for (size_t i = start; i < picture.size() && i < end; ++i)
        name += static_cast<wchar_t>(std::toupper(static_cast<unsigned char>(picture[i])));
    return name;
}

std::unique_ptr<Gdiplus::Bitmap> loadBitmap(const std::string& picture) {
    HRSRC found = FindResourceW(nullptr, resourceName(picture).c_str(), MAKEINTRESOURCEW(10));
    if (!found) return nullptr;
    const DWORD size = SizeofResource(nullptr, found);
    const void* bytes = LockResource(LoadResource(nullptr, found));
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!bytes || !copy) return nullptr;
    std::memcpy(GlobalLock(copy), bytes, size);
    GlobalUnlock(copy);
    IStream* stream = nullptr;
    if (CreateStreamOnHGlobal(copy, TRUE, &stream) != S_OK) {
        GlobalFree(copy);
        return nullptr;
    }
    auto bitmap = std::make_unique<Gdiplus::Bitmap>(stream);
    stream->Release(); // the bitmap keeps its own reference
    if (bitmap->GetLastStatus() != Gdiplus::Ok) return nullptr;
    return bitmap;
}

Gdiplus::Bitmap* bitmapOf(const std::string& picture) {
    static std::map<std::string, std::unique_ptr<Gdiplus::Bitmap>> loaded;
    auto [place, isNew] = loaded.try_emplace(picture);
    if (isNew) {
        place->second = loadBitmap(picture);
        if (!place->second) std::fprintf(stderr, "sahifex: no picture %s\n", picture.c_str());
    }
    return place->second.get();
}

} // namespace

PictureSupport::PictureSupport() {
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token_, &input, nullptr);
}

PictureSupport::~PictureSupport() {
    if (token_) Gdiplus::GdiplusShutdown(token_);
}

bool drawPicture(HDC context, const std::string& name, const RECT& into) {
    if (name.empty()) return false;
    Gdiplus::Bitmap* bitmap = bitmapOf(name);
    if (!bitmap) return false;
    const double width = into.right - into.left, height = into.bottom - into.top;
    const double scale = std::min(width / bitmap->GetWidth(), height / bitmap->GetHeight());
    const auto drawnWidth = static_cast<INT>(bitmap->GetWidth() * scale);
    const auto drawnHeight = static_cast<INT>(bitmap->GetHeight() * scale);
    Gdiplus::Graphics graphics(context);
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    graphics.DrawImage(bitmap, static_cast<INT>(into.left + (width - drawnWidth) / 2),
                       static_cast<INT>(into.top + (height - drawnHeight) / 2), drawnWidth,
                       drawnHeight);
    return true;
}

} // namespace sahifex::view_win32
