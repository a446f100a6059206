// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/wizardpage.h"

WizardPage::WizardPage(QWidget *parent)
    : QWizardPage(parent)
{ }

void WizardPage::setCompleteRule(std::function<bool()> rule)
{
    completeRule = std::move(rule);
    recheck();
}

void WizardPage::recheck()
{
    emit completeChanged();
}

bool WizardPage::isComplete() const
{
    return completeRule ? completeRule() : true;
}
