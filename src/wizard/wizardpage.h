// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef WIZARDPAGE_H
#define WIZARDPAGE_H

#include <QWizardPage>

#include <functional>

// A wizard page whose Next or Finish button follows a rule of its form. The form calls
// recheck() whenever something the rule reads has changed.
class WizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit WizardPage(QWidget *parent = nullptr);

    void setCompleteRule(std::function<bool()> rule);
    void recheck();

    bool isComplete() const override;

private:
    std::function<bool()> completeRule;
};

#endif // WIZARDPAGE_H
