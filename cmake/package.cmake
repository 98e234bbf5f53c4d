# A Debian package of the installed layout (scripts/package runs cpack).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kinvarro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kinvarro")
set(CPACK_PACKAGE_CONTACT "Kinvarro developers <kinvarro@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "family-tree chart editor")
set(CPACK_PACKAGE_DESCRIPTION
    "Kinvarro draws family-tree charts: persons and historical events placed freely on a
large canvas, children joined to their parents by lines. Charts are stored as .kvr
documents, exchanged as GEDCOM 5.5 and published as an HTML report or one bitmap.
The package also holds kvrtool, which inspects and converts charts without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kinvarro.example.org")
# The linked libraries come from dpkg-shlibdeps; what Qt and the media player load at
# run time (image and media plugins, GStreamer elements), the fonts that stand in
# for the charts' Arial and the fonts libwmf draws metafile text with are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-image-formats-plugins, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, fonts-liberation2, fonts-urw-base35")
# Qt's own texts in Russian; without them its buttons and file dialogs stay English.
# Names may be in any script: DejaVu holds Latin, Greek, Cyrillic, Hebrew and Arabic,
# Noto (or the small Lohit and WenQuanYi fonts) Devanagari and CJK, so Qt's font
# fallback finds a glyph for them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "xdg-utils, qt6-wayland, hicolor-icon-theme, qt6-translations-l10n, fonts-dejavu-core, fonts-noto-core | fonts-lohit-deva, fonts-noto-cjk | fonts-wqy-microhei")
include(CPack)
