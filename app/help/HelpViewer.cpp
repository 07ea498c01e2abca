// The help window.
#include "help/HelpViewer.h"

#include <algorithm>

#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include "settings/HelpTopics.h"

namespace kirvo {

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("HelpViewer");
    resize(760, 560);

    contents_ = new QToolButton;
    back_ = new QToolButton;
    forward_ = new QToolButton;
    search_ = new QLineEdit;
    search_->setClearButtonEnabled(true);
    results_ = new QListWidget;
    page_ = new QTextBrowser;
    page_->setOpenLinks(false);

    auto* bar = new QHBoxLayout;
    for (QToolButton* button : {contents_, back_, forward_})
        bar->addWidget(button);
    bar->addStretch();

    auto* side = new QWidget;
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(search_);
    sideLayout->addWidget(results_);

    auto* splitter = new QSplitter;
    splitter->addWidget(side);
    splitter->addWidget(page_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({200, 560});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(splitter);

    SetTexts("Contents", "Back", "Forward", "Search");
    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(page_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
    connect(page_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
    connect(back_, &QToolButton::clicked, page_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, page_, &QTextBrowser::forward);
    connect(contents_, &QToolButton::clicked, this,
            [this] { page_->setSource(QUrl::fromLocalFile(folder_ + QString::fromUtf8(kHelpContents))); });
    connect(page_, &QTextBrowser::anchorClicked, this, &HelpViewer::FollowLink);
    connect(page_, &QTextBrowser::sourceChanged, this, [this] { setWindowTitle(page_->documentTitle()); });
    connect(search_, &QLineEdit::returnPressed, this, &HelpViewer::Search);
    connect(results_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        page_->setSource(QUrl::fromLocalFile(folder_ + item->data(Qt::UserRole).toString()));
    });
}

void HelpViewer::SetTexts(const QString& contents, const QString& back, const QString& forward, const QString& search)
{
    contents_->setText(contents);
    back_->setText(back);
    forward_->setText(forward);
    search_->setPlaceholderText(search);
}

void HelpViewer::ShowTopic(const std::string& path)
{
    const QString text = QString::fromStdString(path);
    const QString file = text.section('#', 0, 0);
    const QString anchor = text.section('#', 1);
    QUrl url = QUrl::fromLocalFile(file);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    const QString folder = QFileInfo(file).absolutePath() + '/';
    if (folder != folder_) {
        folder_ = folder;
        results_->clear();
        page_->clearHistory();
    }
    page_->setSource(url);
    if (!placed_ && parentWidget()) {
        // The first showing: large enough to read a page with its pictures, over the game.
        placed_ = true;
        const QRect game = parentWidget()->frameGeometry();
        resize(std::min(900, game.width() * 4 / 5), std::min(720, game.height() * 9 / 10));
        move(game.center() - rect().center());
    }
    show();
    raise();
    activateWindow();
}

QUrl HelpViewer::Source() const { return page_->source(); }

void HelpViewer::Search()
{
    results_->clear();
    for (const HelpHit& hit : SearchHelp(folder_.toStdString(), search_->text().toStdString())) {
        auto* item = new QListWidgetItem(QString::fromStdString(hit.title), results_);
        item->setData(Qt::UserRole, QString::fromStdString(hit.topic));
    }
}

void HelpViewer::FollowLink(const QUrl& url)
{
    const QString scheme = url.scheme();
    if (scheme == "http" || scheme == "https" || scheme == "mailto")
        QDesktopServices::openUrl(url);
    else
        page_->setSource(page_->source().resolved(url));
}

}  // namespace kirvo
