// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/notice_text.h"

#include <QCoreApplication>

namespace quillane {

QString NoticeText(const Notice& notice) {
    if (notice.format() == nullptr)
        return QString::fromStdString(notice.text());
    std::vector<std::string> args;
    for (const Notice& arg : notice.args())
        args.push_back(NoticeText(arg).toStdString());
    const QString format = QCoreApplication::translate("Storage", notice.format());
    return QString::fromStdString(Notice::Fill(format.toStdString(), args));
}

}  // namespace quillane
