#include "common/nameorder.h"

#include <QCollator>
#include <QHash>

#include <algorithm>
#include <deque>
#include <unordered_map>
#include <vector>

namespace {

const QCollator& frenchCollator() {
    static const QCollator collator = [] {
        QCollator french(QLocale(QLocale::French, QLocale::France));
        french.setCaseSensitivity(Qt::CaseInsensitive);
        return french;
    }();
    return collator;
}

struct QStringHash {
    size_t operator()(const QString& s) const noexcept { return qHash(s); }
};

// A name with its collation key, which orders exactly as the collator compares.
struct Keyed {
    const QString* name;
    const QCollatorSortKey* key;
};

bool keyedBefore(const Keyed& a, const Keyed& b) {
    const int order = a.key->compare(*b.key);
    return order != 0 ? order < 0 : *a.name < *b.name;
}

// Keys of the names listed lately. Kept between listings: the same catalogue is listed again
// at every filter. Forgotten when it outgrows any catalogue, never while a sort uses it.
class KeyCache {
public:
    const QCollatorSortKey* keyOf(const QString& name) {
        auto found = keys_.find(name);
        if (found == keys_.end())
            found = keys_.emplace(name, frenchCollator().sortKey(name)).first;
        return &found->second;
    }
    void trim() {
        if (keys_.size() > 200000) keys_.clear();
    }

private:
    std::unordered_map<QString, QCollatorSortKey, QStringHash> keys_;
};

KeyCache& cache() {
    static KeyCache kept;
    return kept;
}

std::vector<Keyed> keyed(const QStringList& names) {
    std::vector<Keyed> result;
    result.reserve(names.size());
    for (const QString& name : names)
        result.push_back({&name, cache().keyOf(name)});
    return result;
}

} // namespace

bool nameBefore(const QString& a, const QString& b) {
    const int order = frenchCollator().compare(a, b);
    return order != 0 ? order < 0 : a < b;
}

void sortNames(QStringList& names) {
    // A folder read again lists its names in the same order as before, and every filter reads
    // the catalogue again: the last few lists sorted are kept with their order.
    static std::deque<std::pair<QStringList, QStringList>> recent;
    for (const auto& [given, sorted] : recent)
        if (given == names) {
            names = sorted;
            return;
        }

    cache().trim();
    std::vector<Keyed> entries = keyed(names);
    std::sort(entries.begin(), entries.end(), keyedBefore);
    QStringList sorted;
    sorted.reserve(names.size());
    for (const Keyed& entry : entries)
        sorted.append(*entry.name);
    if (recent.size() == 4) recent.pop_back();
    recent.emplace_front(names, sorted);
    names = std::move(sorted);
}

QStringList mergeNames(const QStringList& existing, const QStringList& incoming, int& tracked) {
    cache().trim();
    const std::vector<Keyed> a = keyed(existing);
    const std::vector<Keyed> b = keyed(incoming);
    QStringList merged;
    merged.reserve(existing.size() + incoming.size());
    size_t i = 0, j = 0;
    int movedTo = -1;
    while (i < a.size() || j < b.size()) {
        // An incoming name goes before an existing one only when it comes strictly before.
        if (i < a.size() && (j == b.size() || !keyedBefore(b[j], a[i]))) {
            if (int(i) == tracked) movedTo = int(merged.size());
            merged.append(*a[i++].name);
        } else {
            merged.append(*b[j++].name);
        }
    }
    tracked = movedTo;
    return merged;
}
