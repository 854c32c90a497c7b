#ifndef FUZZCOMMON_H
#define FUZZCOMMON_H

#include "telemetry/fieldtable.h"

#include <QString>

#include <cstddef>
#include <cstdint>

// Every text of a page, for every member of the table: formatting must
// cope with whatever bytes a record holds.
template<typename Page>
inline size_t touchAllTexts(const Page &page)
{
    size_t total = 0;
    for (int i = 0; i < FieldTable::MemberCount; ++i) {
        const FieldRef &field = FieldTable::member(i);
        total += size_t(page.text(field).size());
        total += size_t(page.texts(field).size());
    }
    for (int bit = 0; bit < 8; ++bit)
        total += size_t(page.moduleText(bit).size());
    for (int n = -1; n < 17; ++n)
        total += size_t(page.inputText(n).size() + page.outputText(n).size());
    total += size_t(page.gsmRegistrationText().size() + page.navigationPowerText().size()
                    + page.navigationFixText().size() + page.validityText().size());
    total += page.pageNumber() + page.time() + page.isValid() + page.gsmCondition();
    return total;
}

#endif // FUZZCOMMON_H
