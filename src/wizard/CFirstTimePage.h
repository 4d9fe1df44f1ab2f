#pragma once

#include "keyboard/KeyboardList.h"
#include "wizard/FirstTimeWizardPage.h"
#include "wizard/LessonSeriesList.h"

#include <string>
#include <vector>

class QComboBox;
class QLabel;

// First page of the first-run wizard: the keyboards this system can switch to (as listed
// in keyboards.txt) and, for the one chosen, its courses from lessons.txt with the
// description of the one selected. Leaving the page with Next hands the keyboard and
// the course's lesson set to the user profile.
class CFirstTimePage : public FirstTimeWizardPage
{
    Q_OBJECT

public:
    static constexpr const char* kLoadFailureText = "error CFirstTimePage::OnInitDialog";

    explicit CFirstTimePage(CFirstTimeWizard& sheet);

    bool isComplete() const override;
    bool validatePage() override;

    // Selects the keyboard row and then the series row (-1 keeps the preselected one),
    // as if chosen in the lists.
    void Choose(int keyboardRow, int seriesRow);

    QComboBox* KeyboardBox() const { return m_keyboardBox; }
    QComboBox* SeriesBox() const { return m_seriesBox; }
    QLabel* DescriptionLabel() const { return m_descriptionLabel; }

    const LessonSeriesList& Series() const { return m_series; }
    const KeyboardList& Keyboards() const { return m_keyboards; }
    // The keyboard names found as keyboard files.
    const std::vector<std::string>& KeyboardNames() const { return m_keyboardNames; }

    // Set once a keyboard has been put in the list.
    bool keyboardFound = false;

protected:
    void OnInitDialog() override;

private:
    void FillSeries();
    void ShowDescription();
    int SelectedKeyboard() const;
    int SelectedSeries() const;

    LessonSeriesList m_series;
    KeyboardList m_keyboards;
    std::vector<std::string> m_keyboardNames;
    QComboBox* m_keyboardBox;
    QComboBox* m_seriesBox;
    QLabel* m_descriptionLabel;
};
