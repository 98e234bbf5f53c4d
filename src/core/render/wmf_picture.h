#pragma once

#include <QByteArray>
#include <QImage>

namespace kinvarro {

/// Whether the bytes begin like a Windows metafile (placeable or plain).
bool LooksLikeWmf(const QByteArray &bytes);

/// The longest side a metafile is drawn at unless the caller asks for less.
inline constexpr int kMetafileSide = 2048;

/// Draws a Windows metafile into an image at 96 dots per inch, at most
/// `maxSide` pixels on its longer side. A null image for bytes that are not a
/// well-formed metafile: every record is checked to lie inside the bytes before
/// the drawing library sees them, and the header's file and record lengths,
/// which size the library's buffers, are taken from the records.
QImage RenderWmf(const QByteArray &bytes, int maxSide = kMetafileSide);

}  // namespace kinvarro
