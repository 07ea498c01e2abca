// The help window: one window, reused, that shows the HTML topics of a help folder with a
// contents button, back and forward, and a word search with its list of pages. Links between
// topics are followed in the window; web and mail links go to the desktop's browser.
#pragma once

#include <QWidget>

#include <string>

class QLineEdit;
class QListWidget;
class QTextBrowser;
class QToolButton;

namespace kirvo {

class HelpViewer : public QWidget {
    Q_OBJECT

public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows the page (a full path, optionally with "#anchor") and brings the window forward. The
    // window keeps the size and place it had when last closed during this run.
    void ShowTopic(const std::string& path);
    // The captions of the buttons and the search field.
    void SetTexts(const QString& contents, const QString& back, const QString& forward, const QString& search);

    // For tests: the page shown.
    QUrl Source() const;
    QListWidget* Results() const { return results_; }
    QLineEdit* SearchField() const { return search_; }

private:
    void Search();
    void FollowLink(const QUrl& url);

    QString folder_;  // the help folder of the page shown, ending in '/'
    bool placed_ = false;
    QTextBrowser* page_ = nullptr;
    QToolButton* contents_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    QLineEdit* search_ = nullptr;
    QListWidget* results_ = nullptr;
};

}  // namespace kirvo
