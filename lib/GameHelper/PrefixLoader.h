#pragma once

#include "CFG/GlobalConfig.h"
#include "CFG/Info.h"
#include "Util/StringUtils.h"

#include <memory>
#include <string>
#include <vector>

namespace GameHelper {

// The loop every store loader of CFGHelper shares: each key of the definition file at path
// that begins with prefix, in byte order, is read (the overrides first), converted into a new
// object and filed under the whole key. The store's add returns the object it keeps; when that
// is not the new one, the name was taken and the new object is destroyed.
template <typename T, typename Store, typename Convert>
void populateByPrefix(Store& store, const std::string& path, const std::string& prefix,
                      Convert&& convert) {
    const CFG::Info config(path, CFG::getDefaultOverrides());
    std::vector<std::string> keys;
    config.keys(keys);
    for (const std::string& key : keys) {
        if (!Util::startswith(key, prefix)) {
            continue;
        }
        std::unique_ptr<T> object(convert(config.get(key)));
        if (store.add(key, object.get()) == object.get()) {
            // NOLINTNEXTLINE(bugprone-unused-return-value): the store owns the object now.
            object.release();
        }
    }
}

} // namespace GameHelper
