#include "settings/pages/orv_formphones.h"

#include "settings/pages/settingsbinder.h"
#include "ui_orv_formphones.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

// The tracker's events, in the order of the digits of events_phone_n.
const char *const kEvents[ORV_FormPhones::EventCount] = {
    QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_436"), QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_437"),
    QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_438"), QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_439"),
    QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_440"), QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_441"),
    QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_442"), QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_443"),
    QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_444"), QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_445"),
    QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_446"), QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_447"),
    QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_448"), QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_449"),
    QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_450"), QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_451"),
    QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_452"), QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_453"),
};

// Notification codes and their texts; there is no code 6.
const struct
{
    int code;
    const char *text;
} kNotifications[] = {
    {0, QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_428")}, {1, QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_429")},
    {2, QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_430")}, {3, QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_431")},
    {4, QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_432")}, {5, QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_433")},
    {7, QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_489")},
};

// The three permissions of a phone: key (phone_n_<key>), caption, object name.
const struct
{
    const char *key;
    const char *caption;
} kPermissions[] = {
    {"WithoutPassword", QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_454")},
    {"SendBalance", QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_455")},
    {"UseSMS", QT_TRANSLATE_NOOP("ORV_FormPhones", "K4810_456")},
};

const char *const kBalanceCheck = "SYSTEM:useAutoBalanceChek";
const char *const kSpeedLimit = "TRACK:GPStrackMaxPermVelocity";

} // namespace

QList<int> ORV_FormPhones::codesOfRow(int nRow)
{
    if (nRow == BalanceRow)
        return {0, 1, 2, 3, 7};
    return {0, 1, 2, 3, 4, 5};
}

void ORV_FormPhones::fillEventItems(QComboBox *combo, int nRow) const
{
    for (int code : codesOfRow(nRow)) {
        for (const auto &n : kNotifications) {
            if (n.code == code)
                combo->addItem(tr(n.text), QString::number(code));
        }
    }
}

ORV_FormPhones::ORV_FormPhones(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_SettingsPage(editor, parent)
    , ui(new Ui::ORV_FormPhones)
{
    ui->setupUi(this);
    QWidget *box = ui->groupBox_Phones;
    QGridLayout *grid = ui->gridLayout_Phones;

    // Captions: name, number, the events under their heading, the permissions.
    auto caption = [&](const QString &text, const QString &name, int row) {
        auto *l = new QLabel(text, box);
        l->setObjectName(name);
        // A long caption (in Russian) wraps rather than push the fifth
        // phone out of the window.
        l->setWordWrap(true);
        grid->addWidget(l, row, 0);
        return l;
    };
    const int nameRow = 1;
    const int numberRow = 2;
    const int headingRow = 3;
    const int firstEventRow = 4;
    const int firstPermissionRow = firstEventRow + EventCount;
    caption(tr("K4810_427"), QStringLiteral("label_Nick"), nameRow);
    caption(tr("K4810_434"), QStringLiteral("label_Phone"), numberRow);
    QLabel *heading = caption(tr("K4810_435"), QStringLiteral("label_Events"), headingRow);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    for (int e = 0; e < EventCount; ++e) {
        QLabel *l = caption(tr(kEvents[e]), QStringLiteral("label_Event_%1").arg(e + 1), firstEventRow + e);
        if (e == BalanceRow) {
            l->setToolTip(tr("K4810_463"));
            l->setProperty(SettingsBinder::EnabledByProperty, QLatin1String(kBalanceCheck));
        } else if (e == SpeedRow) {
            l->setToolTip(tr("K4810_464"));
            l->setProperty(SettingsBinder::EnabledByProperty, QLatin1String(kSpeedLimit));
        }
    }
    for (int p = 0; p < 3; ++p) {
        QLabel *l = caption(tr(kPermissions[p].caption), QStringLiteral("label_%1").arg(QLatin1String(kPermissions[p].key)),
                            firstPermissionRow + p);
        if (p == 1) {
            l->setToolTip(tr("K4810_463"));
            l->setProperty(SettingsBinder::EnabledByProperty, QLatin1String(kBalanceCheck));
        }
    }

    // One column a phone.
    for (int n = 1; n <= PhoneCount; ++n) {
        auto *title = new QLabel(QStringLiteral("%1 %2").arg(tr("K4810_426")).arg(n), box);
        title->setObjectName(QStringLiteral("label_Phone_%1").arg(n));
        title->setAlignment(Qt::AlignCenter);
        grid->addWidget(title, 0, n);

        auto *nick = new QLineEdit(box);
        nick->setObjectName(QStringLiteral("lineEdit_Nick_%1").arg(n));
        nick->setProperty(SettingsBinder::PathProperty, QStringLiteral("phone_%1_nick").arg(n));
        grid->addWidget(nick, nameRow, n);

        auto *number = new QLineEdit(box);
        number->setObjectName(QStringLiteral("lineEdit_Phone_%1").arg(n));
        number->setProperty(SettingsBinder::PathProperty, QStringLiteral("phone_%1").arg(n));
        number->setToolTip(tr("K4810_462"));
        grid->addWidget(number, numberRow, n);

        const QString events = QStringLiteral("events_phone_%1").arg(n);
        for (int e = 0; e < EventCount; ++e) {
            auto *combo = new QComboBox(box);
            combo->setObjectName(QStringLiteral("comboBox_Event_%1_%2").arg(n).arg(e + 1));
            // Narrow columns; the list shows the whole texts.
            combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            combo->setMinimumContentsLength(10);
            fillEventItems(combo, e);
            combo->setProperty(SettingsBinder::PathProperty, events);
            combo->setProperty(SettingsBinder::IndexProperty, e);
            if (e == BalanceRow)
                combo->setProperty(SettingsBinder::EnabledByProperty, QLatin1String(kBalanceCheck));
            else if (e == SpeedRow)
                combo->setProperty(SettingsBinder::EnabledByProperty, QLatin1String(kSpeedLimit));
            grid->addWidget(combo, firstEventRow + e, n);
        }

        for (int p = 0; p < 3; ++p) {
            auto *check = new QCheckBox(box);
            const QString key = QLatin1String(kPermissions[p].key);
            check->setObjectName(QStringLiteral("checkBox_%1_%2").arg(key).arg(n));
            check->setProperty(SettingsBinder::PathProperty, QStringLiteral("phone_%1_%2").arg(n).arg(key));
            check->setAccessibleName(tr(kPermissions[p].caption));
            if (p == 1)
                check->setProperty(SettingsBinder::EnabledByProperty, QLatin1String(kBalanceCheck));
            grid->addWidget(check, firstPermissionRow + p, n, Qt::AlignHCenter);
        }
        grid->setColumnStretch(n, 1);
    }
}

ORV_FormPhones::~ORV_FormPhones() = default;
