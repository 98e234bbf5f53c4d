#pragma once

#include <QDialog>

class QLabel;

namespace kinvarro {

struct ElementStatistics;

/// `TfStatistic`, "Статистика": the counts of men, women, others and all
/// elements. A click anywhere in the box closes it.
class TfStatistic : public QDialog {
    Q_OBJECT
  public:
    explicit TfStatistic(QWidget *parent = nullptr);

    /// Fills the value labels.
    void showCounts(const ElementStatistics &counts);

  protected:
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    QLabel *emen_;
    QLabel *ewomen_;
    QLabel *eother_;
    QLabel *etotal_;
};

}  // namespace kinvarro
