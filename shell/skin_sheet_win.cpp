#include "shell/skin_sheet_win.h"

#include "shell/pixel_section_win.h"
#include "shell/skin_picture_win.h"

SkinSheet SkinSheet::FromFile(const std::string& path) {
    SkinSheet sheet;
    if (path.empty()) return sheet;
    sheet.file_ = std::make_unique<FileView>(path);
    if (*sheet.file_) sheet.layout_ = ParsePlainBmp(sheet.file_->Bytes());
    return sheet;
}

HBITMAP SkinSheet::Bitmap() const {
    if (picture_) return picture_;
    if (!decodeTried_ && file_ && *file_) decoded_.reset(DecodeSkinPicture(file_->Bytes()));
    decodeTried_ = true;
    return decoded_.get();
}

UniqueBitmap SkinSheet::TakeBitmap() {
    Bitmap();
    if (decoded_) picture_ = decoded_.get();
    return std::move(decoded_);
}

void SkinSheet::Cut(UniqueBitmap& target, const RECT& rect) const {
    target.reset();
    if (!layout_) {
        CropSkinImage(target, Bitmap(), rect.left, rect.top, rect.right, rect.bottom);
        return;
    }
    uint32_t* pixels = nullptr;
    target.reset(CreatePixelSection(rect.right - rect.left, rect.bottom - rect.top, pixels));
    if (target) CopyBmpArea32(file_->Bytes(), *layout_, {rect.left, rect.top, rect.right, rect.bottom}, pixels);
}
