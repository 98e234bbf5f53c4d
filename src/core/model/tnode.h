#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kinvarro {

/// A colour 0x00BBGGRR, red in the low byte.
using TColor = std::int32_t;

/// `ownColor` value meaning "no individual colour".
inline constexpr TColor kNoOwnColor = 0x1FFFFFFF;

/// Capacity of the element table and of one element's media list.
inline constexpr int kMaxNodes = 10000;
inline constexpr int kMaxMedia = 101;

/// Bits of `tmyfont::style`.
enum FontStyleBit : std::uint8_t { kStyleBold = 1, kStyleUnderline = 2, kStyleItalic = 4 };

/// A font description; all strings are Windows-1251 bytes.
struct tmyfont {
    std::string name;
    std::int32_t size = 0;
    std::uint8_t charset = 0;
    TColor color = 0;
    std::uint8_t style = 0;

    /// An element has a font of its own only when the size is set.
    bool isSet() const { return size != 0; }
    bool operator==(const tmyfont &) const = default;
};

enum ElementKind : std::uint8_t { kPerson = 0, kHistoricalEvent = 1 };
enum Sex : std::uint8_t { kSexUnknown = 0, kSexMan = 1, kSexWoman = 2 };

/// One element of the chart: a person or a historical event.
struct tnode {
    std::int32_t id = 0;
    std::uint8_t kind = kPerson;
    std::int32_t reserved = 0;
    std::int32_t motherIndex = -1;
    std::int32_t fatherIndex = -1;
    std::uint8_t sex = kSexMan;
    TColor ownColor = kNoOwnColor;
    tmyfont font;
    std::string name;         ///< lines separated by CR LF
    std::string description;  ///< tag markup
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint8_t fatherImportance = 1;
    std::uint8_t motherImportance = 1;
    /// At most kMaxMedia entries; an empty entry is a free one.
    std::vector<std::string> media;

    bool isPerson() const { return kind == kPerson; }
    bool isHistoricalEvent() const { return kind == kHistoricalEvent; }
    bool operator==(const tnode &) const = default;
};

/// Size of an element's name at scale 1.
struct NameExtent {
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool operator==(const NameExtent &) const = default;
};

}  // namespace kinvarro
