#pragma once

#include <QString>
#include <array>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace kinvarro {

/// The main window's menu items that commands are wired to. Every item of the
/// menus exists with its caption and shortcut; the rest are found by objectName.
struct MainMenus {
    QAction *N24 = nullptr;  ///< "Создать"
    QAction *N4 = nullptr;   ///< "Открыть"
    QAction *N2 = nullptr;   ///< "Сохранить"
    QAction *N3 = nullptr;   ///< "Сохранить как.."
    QMenu *NPlaceHolders = nullptr;
    std::array<QAction *, 5> PlaceHolders{};
    QAction *N1 = nullptr;  ///< "Выход"
    QMenu *NEditMenu = nullptr;
    QAction *NUndo = nullptr;  ///< "Отменить" with the name of the step
    QAction *NRedo = nullptr;  ///< "Вернуть" with the name of the step
    QAction *Nmashtab = nullptr;
    QAction *N7 = nullptr;  ///< "О программе.."
    QAction *N8 = nullptr;  ///< "Помощь"
    QAction *NLanguage = nullptr;
    QMenu *PopupMenu1 = nullptr;

    /// Finds any item by its objectName.
    QAction *item(const char *name) const;

    QWidget *owner = nullptr;
};

/// Builds the menu bar and the chart's context menu of `window`.
MainMenus buildMainMenus(QMenuBar *bar, QWidget *window);

}  // namespace kinvarro
