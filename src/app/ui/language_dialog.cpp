#include "ui/language_dialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>

namespace kinvarro {
namespace {

// Gives every item of the list the same height, like an image list's item height.
class FixedHeightDelegate : public QStyledItemDelegate {
  public:
    FixedHeightDelegate(int height, QObject *parent)
        : QStyledItemDelegate(parent), height_(height) {}

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(height_);
        return size;
    }

  private:
    int height_;
};

}  // namespace

Tflanguage::Tflanguage(const std::vector<LanguageEntry> &languages, QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("flanguage"));
    setWindowTitle(QStringLiteral("Language selection"));

    auto *english = new QLabel(QStringLiteral("Choose interface language"), this);
    QFont bold = english->font();
    bold.setBold(true);
    english->setFont(bold);
    auto *russian = new QLabel(QString::fromUtf8("Выберите язык интерфейса"), this);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    BitBtn1 = new QPushButton(QStringLiteral("Ok."), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(english);
    layout->addWidget(russian);
    layout->addWidget(ComboBox1);
    layout->addWidget(BitBtn1, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    fillLanguages(languages);
}

void Tflanguage::fillLanguages(const std::vector<LanguageEntry> &languages) {
    QSize iconSize(0, 0);
    for (const LanguageEntry &language : languages)
        iconSize = iconSize.expandedTo(language.flag.size());

    for (const LanguageEntry &language : languages) {
        if (iconSize.isEmpty()) {
            ComboBox1->addItem(language.name);
            continue;
        }
        // A language without a flag gets a blank one so that the names line up.
        QPixmap flag(iconSize);
        flag.fill(Qt::transparent);
        if (!language.flag.isNull())
            flag = QPixmap::fromImage(language.flag);
        ComboBox1->addItem(QIcon(flag), language.name);
    }
    if (!iconSize.isEmpty()) {
        ComboBox1->setIconSize(iconSize);
        if (iconSize.height() > ComboBox1->fontMetrics().height()) {
            ComboBox1->view()->setItemDelegate(
                new FixedHeightDelegate(iconSize.height() + 1, ComboBox1->view()));
        }
    }
}

std::optional<int> Tflanguage::askLanguage(const QString &preselected) {
    const int index = ComboBox1->findText(preselected, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        ComboBox1->setCurrentIndex(index);
    if (exec() != QDialog::Accepted || ComboBox1->currentIndex() < 0)
        return std::nullopt;
    return ComboBox1->currentIndex();
}

}  // namespace kinvarro
