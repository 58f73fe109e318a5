#include "storage/game_file_store.h"

#include "storage/profile.h"

namespace quillane {

std::optional<std::string> GameFileStore::Write(int slot, const std::string& name,
                                                const Account& account) {
    try {
        file_.Write(slot, name, account);
        return std::nullopt;
    } catch (const profile::WriteError& error) {
        return error.what();
    }
}

}  // namespace quillane
