#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace kinvarro {

/// Converts a Windows file-type filter "Text (*.kvr)|*.kvr|Other|*.a;*.b" to Qt name
/// filters, one per file type: "Text (*.kvr)", "Other (*.a *.b)". A description that
/// already ends with its patterns in brackets keeps them; incomplete pairs are dropped.
QStringList QtNameFilters(const QString &windowsFilter);

/// The file-type filter of one of a window's file dialogs, held as a named child of the
/// window so that TranslateForm finds and replaces it; the Qt dialog itself is created
/// only when it is shown.
class FileDialogFilter : public QObject {
    Q_OBJECT

  public:
    /// `name` is the dialog's component name (its language-file key); `filter` is in
    /// Windows syntax.
    FileDialogFilter(const QString &name, const QString &filter, QObject *parent);

    const QString &filter() const { return filter_; }
    void setFilter(const QString &filter) { filter_ = filter; }

    /// The filter for QFileDialog::setNameFilters; the 1-based file-type index of a
    /// chosen filter is its position in this list plus one.
    QStringList nameFilters() const { return QtNameFilters(filter_); }

  private:
    QString filter_;
};

}  // namespace kinvarro
