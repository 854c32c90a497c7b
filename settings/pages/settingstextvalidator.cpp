#include "settings/pages/settingstextvalidator.h"

#include "settings/model/settingstext.h"

SettingsTextValidator::SettingsTextValidator(SettingsInputRule rule, int maxLength, QObject *parent)
    : QValidator(parent)
    , m_rule(rule)
    , m_maxLength(maxLength)
{
}

QValidator::State SettingsTextValidator::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos);
    switch (SettingsText::check(m_rule, m_maxLength, input)) {
    case SettingsText::Check::Acceptable:
        return Acceptable;
    case SettingsText::Check::Intermediate:
        return Intermediate;
    case SettingsText::Check::Invalid:
        break;
    }
    return Invalid;
}
