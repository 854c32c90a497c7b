#ifndef SETTINGSTEXTVALIDATOR_H
#define SETTINGSTEXTVALIDATOR_H

#include "settings/model/settingsrow.h"

#include <QValidator>

// A line edit's validator for a settings text: refuses what the settings
// record cannot hold (a character outside windows-1251, more than 254
// bytes) and what the key's input rule does not allow (SettingsText::check).
class SettingsTextValidator : public QValidator
{
    Q_OBJECT

public:
    SettingsTextValidator(SettingsInputRule rule, int maxLength, QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;

    SettingsInputRule rule() const { return m_rule; }

private:
    SettingsInputRule m_rule;
    int m_maxLength;
};

#endif // SETTINGSTEXTVALIDATOR_H
