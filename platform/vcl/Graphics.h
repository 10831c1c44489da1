#pragma once
// Colours, fonts, brushes, pens and pictures as the class library names them.
// Colours are 0x00BBGGRR values; the clBtnFace family names system colours.
#include "AnsiString.h"
#include "System.h"

#include <QColor>
#include <QImage>
#include <functional>

using TColor = int;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clScrollBar = int(0x80000000);
constexpr TColor clBackground = int(0x80000001);
constexpr TColor clWindow = int(0x80000005);
constexpr TColor clWindowText = int(0x80000008);
constexpr TColor clBtnFace = int(0x8000000F);
constexpr TColor clBtnShadow = int(0x80000010);
constexpr TColor clGrayText = int(0x80000011);
constexpr TColor clBtnText = int(0x80000012);
constexpr TColor clHighlight = int(0x8000000D);
constexpr TColor clHighlightText = int(0x8000000E);
constexpr TColor clInfoBk = int(0x80000018);
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// The Qt colour of a class-library colour (system colours from the palette).
QColor ColorToQColor(TColor color);
TColor QColorToColor(const QColor& color);
inline TColor RGB(int r, int g, int b) { return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16); }

enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = int;  // a set of TFontStyle bits

// Font of a control: colour, style bits, size in points and family name.
// Every change is applied to the control at once.
class TFont : public TObject {
public:
    explicit TFont(std::function<void()> changed = nullptr) : changed_(std::move(changed)) {}
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; Changed(); }
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style) { style_ = style; Changed(); }
    int Size() const { return size_; }          // 0 = the control's default
    void SetSize(int points) { size_ = points; Changed(); }
    AnsiString Name() const { return name_; }   // empty = the control's default
    void SetName(const AnsiString& name) { name_ = name; Changed(); }
    void Assign(const TFont& other);

private:
    void Changed() { if (changed_) changed_(); }
    std::function<void()> changed_;
    TColor color_ = clWindowText;
    TFontStyles style_ = 0;
    int size_ = 0;
    AnsiString name_;
};

enum TBrushStyle { bsSolid, bsClear };

class TBrush : public TObject {
public:
    explicit TBrush(std::function<void()> changed = nullptr) : changed_(std::move(changed)) {}
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; if (changed_) changed_(); }
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style) { style_ = style; if (changed_) changed_(); }

private:
    std::function<void()> changed_;
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
};

class TPen : public TObject {
public:
    explicit TPen(std::function<void()> changed = nullptr) : changed_(std::move(changed)) {}
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; if (changed_) changed_(); }
    int Width() const { return width_; }
    void SetWidth(int width) { width_ = width; if (changed_) changed_(); }

private:
    std::function<void()> changed_;
    TColor color_ = clBlack;
    int width_ = 1;
};

// A picture held in memory; loads any format Qt reads (JPEG, PNG, BMP).
class TPicture : public TObject {
public:
    explicit TPicture(std::function<void()> changed = nullptr) : changed_(std::move(changed)) {}
    // Raises EFOpenError when the file cannot be read as a picture.
    void LoadFromFile(const AnsiString& fileName);
    void Assign(const QImage& image);
    void Clear() { Assign(QImage()); }
    const QImage& Image() const { return image_; }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    bool Empty() const { return image_.isNull(); }

private:
    std::function<void()> changed_;
    QImage image_;
};
