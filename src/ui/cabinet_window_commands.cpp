#include "ui/Borrow.h"
#include "ui/Payoffs.h"
#include "ui/Save.h"
#include "ui/Stats.h"
#include "ui/Unit1.h"

namespace quillane {

void TForm1::SaveGame1Click() {
    TLoadSave dialog(*this, TLoadSave::kSave);
    dialog.exec();
}

void TForm1::OpenGame1Click() {
    {
        TLoadSave dialog(*this, TLoadSave::kOpen);
        dialog.exec();
    }
    FormPaint();
}

void TForm1::Borrow1Click() {
    {
        TBorrowC dialog(*this);
        dialog.exec();
    }
    FormPaint();
}

void TForm1::Stats1Click() {
    TStatsForm dialog(*this);
    dialog.exec();
}

void TForm1::Payoffs1Click() {
    TPaychart chart(*this, [this](int topic) {
        if (help_)
            help_->ShowTopic(topic);
    });
    chart.exec();
}

}  // namespace quillane
