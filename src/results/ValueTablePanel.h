#pragma once

#include <QWidget>

class QLineEdit;
struct ValueTableTexts;

// The results' value table: speed and error rate against their limits, the typing time
// and the count of characters, keystrokes and faults, in read-only fields that show "0"
// until filled.
class ValueTablePanel : public QWidget
{
    Q_OBJECT

public:
    // Field ids of the panel's template.
    static constexpr int kTemplateId = 152;
    static constexpr int kSpeedLimitId = 1010;
    static constexpr int kSpeedId = 1011;
    static constexpr int kErrorLimitId = 1015;
    static constexpr int kErrorRateId = 1013;
    static constexpr int kTimeId = 1005;
    static constexpr int kTypedPercentId = 1007;
    static constexpr int kCharactersId = 1004;
    static constexpr int kKeystrokesId = 1006;
    static constexpr int kFaultsId = 1008;

    explicit ValueTablePanel(QWidget* parent = nullptr);

    // Windows-1250 texts, as the evaluation gives them.
    void SetTexts(const ValueTableTexts& texts);
    // The field of an id; nullptr for an unknown id.
    QLineEdit* Field(int id) const;

private:
    QLineEdit* m_speedLimit;
    QLineEdit* m_speed;
    QLineEdit* m_errorLimit;
    QLineEdit* m_errorRate;
    QLineEdit* m_time;
    QLineEdit* m_typedPercent;
    QLineEdit* m_characters;
    QLineEdit* m_keystrokes;
    QLineEdit* m_faults;
};
