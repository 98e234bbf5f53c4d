#include "ui/theme_dialogs.h"

#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QVBoxLayout>

namespace kinvarro {
namespace {

constexpr Qt::WindowFlags kDialogFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                         Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                         Qt::WindowCloseButtonHint;
const QColor kPaleYellow(0xFF, 0xFF, 0xE1);

void centreOnScreen(QWidget *window) {
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->geometry().center() - window->rect().center());
}

}  // namespace

TFThemesave::TFThemesave(QWidget *parent) : QDialog(parent, kDialogFlags) {
    setObjectName(QStringLiteral("FThemesave"));
    setWindowTitle(QStringLiteral("Имя для сохраняемой темы"));
    setFixedSize(320, 44);
    eName = new QLineEdit(QStringLiteral("No name"), this);
    eName->setObjectName(QStringLiteral("eName"));
    eName->setGeometry(10, 10, 300, 24);
    eName->installEventFilter(this);
}

std::optional<QString> TFThemesave::askName() {
    eName->setFocus();
    eName->selectAll();
    centreOnScreen(this);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return eName->text();
}

// `eNameKeyDown`
bool TFThemesave::eventFilter(QObject *watched, QEvent *event) {
    if (watched == eName && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            accept();
            return true;
        }
        if (key == Qt::Key_Escape) {
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

TFLoadTheme::TFLoadTheme(QWidget *parent) : QDialog(parent, kDialogFlags) {
    setObjectName(QStringLiteral("FLoadTheme"));
    setWindowTitle(QStringLiteral("Выберите тему из списка"));
    resize(360, 300);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    lbThemes = new QListWidget(this);
    lbThemes->setObjectName(QStringLiteral("lbThemes"));
    QFont font = lbThemes->font();
    font.setBold(true);
    font.setPixelSize(kFontPixels);
    lbThemes->setFont(font);
    lbThemes->setUniformItemSizes(true);
    QPalette palette = lbThemes->palette();
    palette.setColor(QPalette::Base, kPaleYellow);
    palette.setColor(QPalette::Text, Qt::black);
    lbThemes->setPalette(palette);
    layout->addWidget(lbThemes);
    lNotice = new QLabel(this);
    lNotice->setObjectName(QStringLiteral("lNotice"));
    lNotice->setWordWrap(true);
    lNotice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lNotice->setContentsMargins(6, 4, 6, 4);
    lNotice->hide();
    layout->addWidget(lNotice);
    connect(lbThemes, &QListWidget::itemClicked, this, &TFLoadTheme::lbThemesClick);
}

void TFLoadTheme::fill(const std::vector<ThemeEntry> &themes) {
    lbThemes->clear();
    for (const ThemeEntry &theme : themes) {
        auto *item = new QListWidgetItem(theme.displayName, lbThemes);
        item->setData(Qt::UserRole, theme.filePath);
        item->setToolTip(QDir::toNativeSeparators(theme.filePath));
        item->setSizeHint(QSize(0, kEntryHeight));
        if (theme.own) {
            QFont font = lbThemes->font();
            font.setItalic(true);
            item->setFont(font);
        }
    }
}

std::optional<int> TFLoadTheme::chooseTheme(const std::vector<ThemeEntry> &themes,
                                            const QString &notice) {
    chosen_ = -1;
    fill(themes);
    lNotice->setText(notice);
    lNotice->setVisible(!notice.isEmpty());
    centreOnScreen(this);
    if (exec() != QDialog::Accepted || chosen_ < 0)
        return std::nullopt;
    return chosen_;
}

void TFLoadTheme::lbThemesClick(QListWidgetItem *item) {
    chosen_ = lbThemes->row(item);
    accept();
}

}  // namespace kinvarro
