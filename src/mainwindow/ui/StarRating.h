#pragma once

#include <QWidget>

// Seven stars; shows a rating from 0 to 7. A click reports the chosen rating plus one as text,
// through fsCommand, and leaves showing the new rating to the owner.
class StarRating : public QWidget
{
    Q_OBJECT
public:
    explicit StarRating(QWidget *parent = nullptr);

    static constexpr int Stars = 7;
    int rating() const { return m_rating; }
    void setRating(int rating);
    // Chooses a rating as a click on its star does (reports it through fsCommand).
    void choose(int rating);
    // The rating in words, as a screen reader says it ("3 of 7 stars").
    QString ratingText() const;

    // The rating a click at x chooses: 0 left of the first star's middle, else the star's number.
    int ratingAt(int x) const;
    QSize sizeHint() const override;
    // The stars' colour: readable against the window colour of the current palette.
    QColor starColour() const;

signals:
    void fsCommand(const QString &command, const QString &args);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int starSize() const;
    int m_rating = 0;
};
