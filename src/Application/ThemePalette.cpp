#include "Application/ThemePalette.h"

#include <array>
#include <cstdint>

namespace quillorbitex {

namespace {

struct Pair {
    const char* light;
    const char* dark;
};

// In declaration order of ThemePalette::Token, borders excluded (they are made of white or black).
constexpr std::array<Pair, 22> kHexCodes = {{
    {"F4F6FB", "0E0E10"},  // bgPrimary
    {"FFFFFF", "16161A"},  // bgElevated
    {"EDF1F9", "1E1E24"},  // bgHover
    {"E4E9F4", "0A0A0C"},  // bgSunken
    {nullptr, nullptr},    // borderSubtle
    {nullptr, nullptr},    // borderMid
    {nullptr, nullptr},    // borderStrong
    {"7C5CFC", "7C5CFC"},  // accentPrimary
    {"E6E0FF", "3D2E7A"},  // accentMuted
    {"5C43D8", "A78BFA"},  // accentText
    {"10B981", "34D399"},  // statusGreen
    {"D97706", "FBBF24"},  // statusAmber
    {"DC2626", "F87171"},  // statusRed
    {"2563EB", "60A5FA"},  // statusBlue
    {"171923", "F0F0F5"},  // textPrimary
    {"5C6270", "8B8B9A"},  // textSecondary
    {"8C92A2", "4A4A58"},  // textTertiary
    {"EEF1F7", "1A1A20"},  // keyCapBg
    {"2D3342", "C8C8D8"},  // keyCapText
    {"5C43D8", "C4B5FD"},  // accentCapsuleText
    {"B91C1C", "F87171"},  // statusRedText
    {"1D4ED8", "60A5FA"},  // statusBlueText
}};

QColor border(double lightOpacity, double darkOpacity, bool dark) {
    QColor color = dark ? QColor(255, 255, 255) : QColor(0, 0, 0);
    color.setAlphaF(static_cast<float>(dark ? darkOpacity : lightOpacity));
    return color;
}

bool isHexDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

}  // namespace

QColor ThemePalette::color(Token token, bool dark) {
    switch (token) {
        case Token::borderSubtle:
            return border(0.08, 0.06, dark);
        case Token::borderMid:
            return border(0.14, 0.10, dark);
        case Token::borderStrong:
            return border(0.22, 0.18, dark);
        default:
            break;
    }
    const Pair& pair = kHexCodes[static_cast<std::size_t>(token)];
    return fromHex(QString::fromLatin1(dark ? pair.dark : pair.light));
}

ThemePalette::Token ThemePalette::textOn(Token tint) {
    switch (tint) {
        case Token::accentPrimary:
        case Token::accentMuted:
        case Token::accentText:
            return Token::accentCapsuleText;
        case Token::statusRed:
            return Token::statusRedText;
        case Token::statusBlue:
            return Token::statusBlueText;
        default:
            return tint;
    }
}

QColor ThemePalette::color(Token token, const QPalette& drawnWith) {
    return color(token, isDark(drawnWith));
}

bool ThemePalette::isDark(const QPalette& palette) {
    return palette.color(QPalette::Active, QPalette::Window).lightness() < 128;
}

QPalette ThemePalette::qtPalette(bool dark) {
    const auto c = [dark](Token token) { return color(token, dark); };
    QPalette palette;
    palette.setColor(QPalette::Window, c(Token::bgPrimary));
    palette.setColor(QPalette::WindowText, c(Token::textPrimary));
    palette.setColor(QPalette::Base, c(Token::bgElevated));
    palette.setColor(QPalette::AlternateBase, c(Token::bgHover));
    palette.setColor(QPalette::ToolTipBase, c(Token::bgElevated));
    palette.setColor(QPalette::ToolTipText, c(Token::textPrimary));
    palette.setColor(QPalette::PlaceholderText, c(Token::textTertiary));
    palette.setColor(QPalette::Text, c(Token::textPrimary));
    palette.setColor(QPalette::Button, c(Token::bgElevated));
    palette.setColor(QPalette::ButtonText, c(Token::textPrimary));
    palette.setColor(QPalette::BrightText, c(Token::statusRed));
    palette.setColor(QPalette::Highlight, c(Token::accentPrimary));
    palette.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    palette.setColor(QPalette::Link, c(Token::accentText));
    palette.setColor(QPalette::LinkVisited, c(Token::accentText));
    palette.setColor(QPalette::Light, c(Token::bgHover));
    palette.setColor(QPalette::Midlight, c(Token::bgHover));
    palette.setColor(QPalette::Mid, c(Token::bgSunken));
    palette.setColor(QPalette::Dark, c(Token::bgSunken));
    palette.setColor(QPalette::Shadow, QColor(0, 0, 0));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, c(Token::textTertiary));
    }
    return palette;
}

QColor ThemePalette::fromHex(QStringView code) {
    qsizetype begin = 0;
    qsizetype end = code.size();
    while (begin < end && !code[begin].isLetterOrNumber()) {
        ++begin;
    }
    while (end > begin && !code[end - 1].isLetterOrNumber()) {
        --end;
    }
    std::uint64_t value = 0;
    for (qsizetype i = begin; i < end && isHexDigit(code[i]); ++i) {
        if (value > (UINT64_MAX >> 4)) {
            value = UINT64_MAX;  // an overflowing scan saturates, as unsigned scanners do
            break;
        }
        const char16_t c = code[i].toLower().unicode();
        value = value * 16 + static_cast<std::uint64_t>(c <= u'9' ? c - u'0' : c - u'a' + 10);
    }
    return QColor::fromRgb(static_cast<int>((value >> 16) & 0xff),
                           static_cast<int>((value >> 8) & 0xff), static_cast<int>(value & 0xff));
}

QColor ThemePalette::mix(const QColor& from, const QColor& to, double t) {
    const auto channel = [t](float a, float b) { return a + (b - a) * static_cast<float>(t); };
    return QColor::fromRgbF(channel(from.redF(), to.redF()), channel(from.greenF(), to.greenF()),
                            channel(from.blueF(), to.blueF()), channel(from.alphaF(), to.alphaF()));
}

}  // namespace quillorbitex
