#include "pantnew.h"

#include "StoreRules.h"
#include "data/FixedField.h"
#include "model/SharedState.h"
#include "model/StoreFiles.h"
#include "ui/Dialogs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace stores {

using ui::Answer;
using ui::Title;

pantnew::pantnew(model::SharedState& state, ui::Dialogs& dialogs, QWidget* parent)
    : ui::SecondaryWindow(parent, Modality::Modal)
    , state_(state)
    , dialogs_(dialogs)
    , Label1(new QLabel(tr("Enter a name for your new list:"), this))
    , fnametxt(new QLineEdit(this))
    , createcmd(new QPushButton(tr("Create"), this))
    , cancelcmd(new QPushButton(tr("Cancel"), this))
{
    setObjectName(QStringLiteral("pantnew"));
    setWindowTitle(tr("Create new shopping list"));
    Label1->setObjectName(QStringLiteral("Label1"));
    fnametxt->setObjectName(QStringLiteral("fnametxt"));
    fnametxt->setAccessibleName(Label1->text());
    Label1->setBuddy(fnametxt);
    createcmd->setObjectName(QStringLiteral("createcmd"));
    cancelcmd->setObjectName(QStringLiteral("cancelcmd"));
    createcmd->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(createcmd);
    buttons->addWidget(cancelcmd);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(fnametxt);
    layout->addLayout(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 45); // room for a long store name

    connect(createcmd, &QPushButton::clicked, this, &pantnew::create);
    connect(cancelcmd, &QPushButton::clicked, this, &QDialog::reject);
}

void pantnew::create()
{
    const QString name = data::trimBlanks(fnametxt->text());
    if (name.isEmpty()) {
        dialogs_.tell(tr("Enter a name first!"), Title::own(tr("Oops!")));
        return;
    }
    const QString listFile = newListFile(name);
    // A list that is there is answered as such, also one whose name is the program's own
    // (grocery.lst, the default store).
    const bool ownListExists = model::isOwnFileName(name) && !name.contains(u'/') && listHoldsRecords(listFile);
    if (const QString problem = storeNameProblem(name); !problem.isEmpty() && !ownListExists) {
        dialogs_.tell(problem, Title::own(tr("Oops!")), ui::Icon::Exclamation);
        return;
    }
    if (listHoldsRecords(listFile)) {
        dialogs_.tell(tr("List already exists.  Try another name."), Title::none());
        return;
    }
    const Answer source =
        dialogs_.ask(tr("Create a new product list for this file? (Answer NO to use existing grocery.dat file.)"),
                     Title::own(tr("Set Data Source...")), ui::Buttons::YesNoCancel, ui::Icon::Question);
    if (source != Answer::Yes && source != Answer::No) {
        reject();
        return;
    }
    // The new list is opened on its own first, so a folder that refuses it leaves the
    // current store in use.
    data::RecordFile<data::ShoppingItemRecord> probe;
    if (dialogs_.reportFailure(probe.open(listFile)))
        return;
    probe.close();
    state_.ListFile = listFile;
    // Opened above already, so this cannot fail for a reason the probe did not show.
    (void)state_.items.open(state_.ListFile);
    if (source == Answer::Yes) {
        state_.ProductFile = newProductFile(listFile);
        dialogs_.tell(tr("Data file created: ") + state_.ProductFile);
    } else {
        state_.ProductFile = model::kDefaultProducts;
        state_.DefaultListWarned = false;
    }
    state_.StoreChanged = true;
    accept();
}

} // namespace stores
