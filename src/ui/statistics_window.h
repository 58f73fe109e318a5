#pragma once

#include <QDialog>
#include <QLabel>
#include <QString>
#include <cstdint>

#include "core/account_rules.h"

namespace quillane {

// How the current game stands, as a snapshot taken when the window opens.
class StatisticsWindow : public QDialog {
  public:
    explicit StatisticsWindow(const Statistics& figures, QWidget* parent = nullptr);

    void ShowFigures(const Statistics& figures);
    QLabel* value(const char* objectName) const;

  private:
    QLabel* Caption(const char* name, const QString& text, int x, int y, bool bold);
    QLabel* Value(const char* name, int x, int y, bool bold, const QString& colour = {});
};

}  // namespace quillane
