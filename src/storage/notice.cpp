// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/notice.h"

namespace quillane {

Notice::Notice(const char* format, std::vector<Notice> args)
    : format_(format), args_(std::move(args)) {}

std::string Notice::English() const {
    if (format_ == nullptr)
        return text_;
    std::vector<std::string> args;
    for (const Notice& arg : args_)
        args.push_back(arg.English());
    return Fill(format_, args);
}

std::string Notice::Fill(const std::string& format, const std::vector<std::string>& args) {
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] >= '1' &&
            format[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(format[i + 1] - '1');
            if (n < args.size()) {
                out += args[n];
                ++i;
                continue;
            }
        }
        out += format[i];
    }
    return out;
}

}  // namespace quillane
