#include "option/button_page/button_page_layout.h"

namespace {

struct HeadingBox {
    int text;
    SkinRect box;
    const DialogFont& font;
    TextAlign align;
};

const HeadingBox kHeadings[] = {
    {str::kHeadingButtons, {281, 16, 489, 59}, kPageSectionFont, TextAlign::Centre},
    {str::kHeadingReportRate, {530, 6, 890, 49}, kPageSectionFont, TextAlign::Left},
    {str::kHeadingDpi, {530, 145, 890, 170}, kPageSectionFont, TextAlign::Left},
    {str::kHeadingLighting, {530, 90, 890, 115}, kPageSectionFont, TextAlign::Left},
    {str::kHeadingLightMode, {530, 115, 580, 140}, kPageLabelFont, TextAlign::Left},
    {str::kFirstBank, {690, 115, 735, 140}, kPageLabelFont, TextAlign::Left},
};

}  // namespace

std::vector<PageHeading> LayOutPageHeadings(const TextSource& texts, const TextMeasure& measure) {
    std::vector<PageHeading> headings;
    for (const HeadingBox& h : kHeadings) {
        std::string text = texts.Text(h.text);
        const int height = measure.WrappedHeight(text, h.font, h.box.Width());
        headings.push_back({std::move(text), h.font, PlaceText(h.box, height, true, h.align)});
    }
    return headings;
}
