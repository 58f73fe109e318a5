#pragma once

#include <QDialog>
#include <QLabel>
#include <QString>
#include <cstdint>

#include "core/account.h"

namespace quillane {

class CabinetWindow;

// How the current game stands, as a snapshot taken when the window opens.
class StatisticsWindow : public QDialog {
  public:
    explicit StatisticsWindow(CabinetWindow& main);

    void ShowFigures();
    QLabel* value(const char* objectName) const;

  private:
    QLabel* Caption(const char* name, const QString& text, int x, int y, bool bold);
    QLabel* Value(const char* name, int x, int y, bool bold, const QString& colour = {});

    CabinetWindow& main_;
};

// What the machine has paid out in the game: every bet left the credits and every win came
// into them, and a game starts with as many credits as it has borrowed.
std::int64_t Payoffs(const Account& account);
double PayoffPercentage(const Account& account);

}  // namespace quillane
