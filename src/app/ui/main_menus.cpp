#include "ui/main_menus.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace kinvarro {
namespace {

class MenuBuilder {
  public:
    explicit MenuBuilder(QWidget *owner) : owner_(owner) {}

    QMenu *submenu(QMenu *parent, const char *name, const char *caption) {
        QMenu *menu = parent->addMenu(QString::fromUtf8(caption));
        menu->setObjectName(QLatin1String(name));
        menu->menuAction()->setObjectName(QLatin1String(name));
        return menu;
    }

    QAction *item(QMenu *menu, const char *name, const char *caption, QKeySequence shortcut = {}) {
        QAction *action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        return action;
    }

    QAction *check(QMenu *menu, const char *name, const char *caption,
                   QActionGroup *group = nullptr) {
        QAction *action = item(menu, name, caption);
        action->setCheckable(true);
        if (group)
            group->addAction(action);
        return action;
    }

    QActionGroup *group() { return new QActionGroup(owner_); }

  private:
    QWidget *owner_;
};

// The marks before the settings are first reset; from then on they show the
// document's settings.
void buildSettingsMenu(MenuBuilder &b, QMenu *settings) {
    QMenu *themes = b.submenu(settings, "NThemes", "Темы");
    b.item(themes, "NLoadTheme", "Выбрать тему..");
    b.item(themes, "NSaveTheme", "Сохранить текущую тему..");

    QMenu *detailed = b.submenu(settings, "NDetailedSettings", "Детальные настройки");
    QMenu *element = b.submenu(detailed, "NElementSettings", "Элемент");
    b.item(element, "N15", "Шрифт..");
    QMenu *elementColor = b.submenu(element, "NElementColor", "Цвет");
    b.item(elementColor, "N21", "Мужчины..");
    b.item(elementColor, "N22", "Женщины..");
    b.item(elementColor, "N16", "Другое..");

    QMenu *lines = b.submenu(detailed, "NLines", "Линии");
    QMenu *lineColor = b.submenu(lines, "NLineColor", "Цвет линий");
    b.item(lineColor, "N17", "По отцу..");
    b.item(lineColor, "N47", "По матери..");
    b.item(lineColor, "N18", "Выделенные..");
    QMenu *lineWidth = b.submenu(lines, "NLineWidth", "Ширина линий");
    QActionGroup *widths = b.group();
    b.check(lineWidth, "NLineWidth1", "1 пкс.", widths)->setChecked(true);
    b.check(lineWidth, "NLineWidth2", "2 пкс.", widths);
    b.check(lineWidth, "NLineWidth3", "3 пкс.", widths);
    b.check(lineWidth, "NLineWidth0", "Без линий", widths);

    QMenu *grid = b.submenu(detailed, "NGrid", "Сетка");
    QMenu *hGrid = b.submenu(grid, "NHGrid", "Горизонтальные линии");
    b.check(hGrid, "NShowHLines", "Отображать");
    b.item(hGrid, "N36", "Интервал..");
    QMenu *vGrid = b.submenu(grid, "NVGrid", "Вертикальные линии");
    b.check(vGrid, "NShowVLines", "Отображать");
    b.item(vGrid, "N38", "Интервал..");
    b.item(grid, "N34", "Цвет..");
    b.check(grid, "NGridAlign", "Выравнивать по сетке")->setChecked(true);

    QMenu *background = b.submenu(detailed, "NBackground", "Фон");
    b.item(background, "NColor", "Цвет фона..");
    background->addSeparator();
    b.item(background, "N11", "Рисунок..");
    background->addSeparator();
    QActionGroup *pictureModes = b.group();
    b.check(background, "NAsIs", "Рисунок как есть", pictureModes)->setChecked(true);
    b.check(background, "NTile", "Замостить рисунком", pictureModes);
    b.check(background, "NStretch", "Растянуть рисунок", pictureModes);
    b.check(background, "Nnopicture", "Без рисунка", pictureModes);

    QMenu *shadow = b.submenu(detailed, "NShadow", "Тень");
    b.check(shadow, "NShowShadow", "Отображать тень");
    b.item(shadow, "N28", "Цвет..");

    QMenu *events = b.submenu(detailed, "NTimeLines", "Исторические события");
    b.check(events, "NtimeLinesShow", "Отображать")->setChecked(true);
    b.item(events, "N52", "Цвет по умолчанию..");

    b.item(settings, "N20", "Сбросить настройки");
    settings->addSeparator();
    b.check(settings, "NPositionLines", "Отображать направляющие");
}

QMenu *buildPopupMenu(MenuBuilder &b, QWidget *window) {
    auto *popup = new QMenu(window);
    popup->setObjectName(QStringLiteral("PopupMenu1"));
    b.item(popup, "NAdd", "Добавить элемент");
    b.item(popup, "Naddhistorical", "Добавить \"историческое событие\"");
    b.item(popup, "NModify", "Изменить");
    b.item(popup, "NDel", "Удалить");
    b.item(popup, "NdelSelected", "Удалить выделенные элементы", QKeySequence(Qt::Key_Delete));
    popup->addSeparator();
    b.item(popup, "NArrangePopup", "Упорядочить по поколениям");
    QMenu *select = b.submenu(popup, "Nselect", "Выделить..");
    b.item(select, "N37", "..всё что ниже");
    b.item(select, "N39", "..всё что выше");
    b.item(select, "N40", "..всё что правее");
    b.item(select, "N41", "..всё что левее");
    return popup;
}

}  // namespace

QAction *MainMenus::item(const char *name) const {
    return owner->findChild<QAction *>(QLatin1String(name));
}

MainMenus buildMainMenus(QMenuBar *bar, QWidget *window) {
    MenuBuilder b(window);
    MainMenus m;
    m.owner = window;

    auto topMenu = [bar](const char *name, const char *caption) {
        QMenu *menu = bar->addMenu(QString::fromUtf8(caption));
        menu->setObjectName(QLatin1String(name));
        menu->menuAction()->setObjectName(QLatin1String(name));
        return menu;
    };

    QMenu *file = topMenu("NFileMenu", "Файл");
    m.N24 = b.item(file, "N24", "Создать", QKeySequence(Qt::CTRL | Qt::Key_N));
    m.N4 = b.item(file, "N4", "Открыть", QKeySequence(Qt::CTRL | Qt::Key_O));
    m.N2 = b.item(file, "N2", "Сохранить", QKeySequence(Qt::CTRL | Qt::Key_S));
    m.N3 = b.item(file, "N3", "Сохранить как..");
    QMenu *exports = b.submenu(file, "NExport", "Экспорт");
    b.item(exports, "NExportPdf", "PDF..");
    b.item(exports, "NExportSvg", "SVG..");
    b.item(exports, "NExportPng", "PNG..");
    b.item(file, "NPrint", "Печать..", QKeySequence(Qt::CTRL | Qt::Key_P));
    m.NPlaceHolders = b.submenu(file, "NPlaceHolders", "Ранее открытые...");
    for (int i = 0; i < 5; ++i) {
        const QByteArray name = "PlaceHolder" + QByteArray::number(i + 1);
        m.PlaceHolders[std::size_t(i)] = b.item(m.NPlaceHolders, name.constData(), "");
    }
    file->addSeparator();
    m.N1 = b.item(file, "N1", "Выход", QKeySequence(Qt::CTRL | Qt::Key_X));
    // Ctrl+Q is how Linux desktop programs are left; Ctrl+X stays the first, shown one.
    m.N1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::CTRL | Qt::Key_Q)});

    QMenu *edit = topMenu("NEditMenu", "Редактирование");
    m.NEditMenu = edit;
    m.NUndo = b.item(edit, "NUndo", "Отменить", QKeySequence::Undo);
    m.NRedo = b.item(edit, "NRedo", "Вернуть", QKeySequence(Qt::CTRL | Qt::Key_Y));
    m.NRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->addSeparator();
    m.Nmashtab = b.item(edit, "Nmashtab", "&Маштаб (100%)", QKeySequence(Qt::CTRL | Qt::Key_M));
    b.item(edit, "NFitAll", "Показать всё", QKeySequence(Qt::CTRL | Qt::Key_0));
    b.item(edit, "NActualSize", "100 %", QKeySequence(Qt::CTRL | Qt::Key_1));
    b.item(edit, "Nsearch", "Найти элемент..", QKeySequence(Qt::CTRL | Qt::Key_F));
    b.item(edit, "N35", "Выделить все элементы", QKeySequence(Qt::CTRL | Qt::Key_A));
    b.item(edit, "NColorElements", "Раскрасить элементы");
    b.item(edit, "NArrange", "Упорядочить по поколениям");
    b.item(edit, "N51", "Информация");
    b.item(edit, "NStatistic", "Статистика..");

    buildSettingsMenu(b, topMenu("NSettingsMenu", "Настройки"));

    QMenu *help = topMenu("NHelpMenu", "Помощь");
    m.N8 = b.item(help, "N8", "Помощь", QKeySequence(Qt::Key_F1));
    m.N7 = b.item(help, "N7", "О программе..");

    m.NLanguage = bar->addAction(QStringLiteral("  Do you speak..  "));
    m.NLanguage->setObjectName(QStringLiteral("NLanguage"));

    m.PopupMenu1 = buildPopupMenu(b, window);
    return m;
}

}  // namespace kinvarro
