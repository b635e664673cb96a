// SPDX-License-Identifier: GPL-3.0-or-later
#include "season/core/seasoncodes.h"

#include "season/core/seasonfilter.h"

#include <utility>
#include <vector>

namespace {

// The distinct codes of a column. A code of up to three characters, as nearly all are, is
// told apart as one number, kept in a table of its own: a few hundred codes met a hundred
// thousand times cost a multiplication and a compare or two each.
class CodeSet
{
public:
    void insert(QStringView code)
    {
        if (code.size() > 3) {
            longer.insert(code);
            return;
        }
        quint64 key = quint64(code.size()) << 48;
        for (int at = 0; at < code.size(); ++at)
            key |= quint64(code[at].unicode()) << (16 * at);
        size_t slot = slotOf(key);
        while (keys[slot] != noKey && keys[slot] != key)
            slot = (slot + 1) & (keys.size() - 1);
        if (keys[slot] == key)
            return;
        keys[slot] = key;
        views[slot] = code;
        if (++held * 2 > keys.size())
            grow();
    }

    QSet<QStringView> codes() const
    {
        QSet<QStringView> all = longer;
        for (size_t slot = 0; slot < keys.size(); ++slot) {
            if (keys[slot] != noKey)
                all.insert(views[slot]);
        }
        return all;
    }

private:
    // a key holds its length in the bits above the characters, so no key is all ones
    static constexpr quint64 noKey = ~quint64(0);

    size_t slotOf(quint64 key) const { return size_t((key * 0x9E3779B97F4A7C15ull) >> 32) & (keys.size() - 1); }

    void grow()
    {
        const std::vector<quint64> oldKeys = std::exchange(keys, std::vector<quint64>(keys.size() * 2, noKey));
        const std::vector<QStringView> oldViews = std::exchange(views, std::vector<QStringView>(keys.size()));
        for (size_t slot = 0; slot < oldKeys.size(); ++slot) {
            if (oldKeys[slot] == noKey)
                continue;
            size_t to = slotOf(oldKeys[slot]);
            while (keys[to] != noKey)
                to = (to + 1) & (keys.size() - 1);
            keys[to] = oldKeys[slot];
            views[to] = oldViews[slot];
        }
    }

    std::vector<quint64> keys = std::vector<quint64>(256, noKey);
    std::vector<QStringView> views = std::vector<QStringView>(256);
    size_t held = 0;
    QSet<QStringView> longer;
};

} // namespace

SeasonCodes seasonCodes(const QList<SeasonRecord>& records)
{
    CodeSet languages;
    CodeSet targets;
    CodeSet countries;
    SeasonCodes codes;
    double bandLow = 1;
    double bandHigh = 0;
    for (const SeasonRecord& record : records) {
        const QStringView languageCodes = record.field(LanguageField);
        qsizetype from = 0;
        for (qsizetype at = 0; at <= languageCodes.size(); ++at) {
            if (at == languageCodes.size() || languageCodes[at] == QLatin1Char(',')) {
                languages.insert(languageCodes.mid(from, at - from));
                from = at + 1;
            }
        }
        targets.insert(record.field(TargetField));
        countries.insert(record.field(CountryField));
        // the band of the record before, as long as the frequencies stay within it
        if (record.khz < bandLow || record.khz > bandHigh) {
            const QString band = bandOf(record.khz);
            codes.bands.insert(band);
            KhzRange range{record.khz, record.khz};
            bandNamed(band, range);
            bandLow = range.low;
            bandHigh = range.high;
        }
    }
    codes.languages = languages.codes();
    codes.targets = targets.codes();
    codes.countries = countries.codes();
    return codes;
}
