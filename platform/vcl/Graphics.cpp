#include "Graphics.h"

#include "SysUtils.h"

#include <QApplication>
#include <QPalette>

QColor ColorToQColor(TColor color)
{
    if (color == clNone)
        return QColor(Qt::transparent);
    if (color & int(0x80000000)) {
        QPalette palette = QApplication::palette();
        switch (color) {
        case clWindow: return palette.color(QPalette::Base);
        case clWindowText: return palette.color(QPalette::Text);
        case clBtnText: return palette.color(QPalette::ButtonText);
        case clBtnShadow: return palette.color(QPalette::Dark);
        case clGrayText: return palette.color(QPalette::Disabled, QPalette::Text);
        case clHighlight: return palette.color(QPalette::Highlight);
        case clHighlightText: return palette.color(QPalette::HighlightedText);
        case clInfoBk: return palette.color(QPalette::ToolTipBase);
        default: return palette.color(QPalette::Window);
        }
    }
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

TColor QColorToColor(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }

void TFont::Assign(const TFont& other)
{
    color_ = other.color_;
    style_ = other.style_;
    size_ = other.size_;
    name_ = other.name_;
    Changed();
}

void TPicture::LoadFromFile(const AnsiString& fileName)
{
    QImage loaded;
    if (!loaded.load(fileName.ToQString()))
        throw EFOpenError("Cannot open file \"" + fileName + "\".");
    Assign(loaded);
}

void TPicture::Assign(const QImage& image)
{
    image_ = image;
    if (changed_)
        changed_();
}
