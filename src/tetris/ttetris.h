#pragma once

#include "tetris/board.h"

#include <QPointer>
#include <QWidget>

class QPainter;

namespace arkivo::tetris {
class PreviewWindow;
}

// The board component: paints a Board (the cells, the falling piece, the white
// outline of empty rows that FreeRows(true) asks for) and owns the small tool
// window that previews the next piece. The game rules live in the Board; this
// class adds only what is about drawing.
class TTETRIS : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int NumberOfPieces READ numberOfPieces WRITE setNumberOfPieces)
    Q_PROPERTY(int NextPiece READ nextPiece WRITE setNextPiece)
    Q_PROPERTY(int LastDeletedLine READ lastDeletedLine WRITE setLastDeletedLine)
    Q_PROPERTY(int BackGroundColor READ backgroundColor WRITE setBackgroundColor)
    Q_PROPERTY(int ScreenNumber READ screenNumber WRITE setScreenNumber)
    Q_PROPERTY(int SquareDimension READ squareDimension WRITE setSquareDimension)
    Q_PROPERTY(bool ShowBorderColor READ showBorderColor WRITE setShowBorderColor)
    Q_PROPERTY(bool ShowFillColor READ showFillColor WRITE setShowFillColor)
    Q_PROPERTY(bool ShowNextpiece READ showNextpiece WRITE setShowNextpiece)
    Q_PROPERTY(int NumberOfType READ numberOfType WRITE setNumberOfType)
    Q_PROPERTY(int PreviewSize READ previewSize WRITE setPreviewSize)
    Q_PROPERTY(QString PreviewCaption READ previewCaption WRITE setPreviewCaption)
    Q_PROPERTY(TBlockType Blocktype READ blocktype WRITE setBlocktype)

public:
    enum TBlockType { btNormal, btRound, btButton };
    Q_ENUM(TBlockType)

    explicit TTETRIS(QWidget* parent = nullptr);
    ~TTETRIS() override;

    arkivo::tetris::Board& board() { return m_board; }
    const arkivo::tetris::Board& board() const { return m_board; }

    int numberOfPieces() const { return m_board.numberOfPieces(); }
    void setNumberOfPieces(int value) { m_board.setNumberOfPieces(value); }
    int nextPiece() const { return m_board.nextPiece(); }
    void setNextPiece(int kind) { m_board.setNextPiece(kind); }
    int lastDeletedLine() const { return m_board.lastDeletedLine(); }
    void setLastDeletedLine(int value) { m_board.setLastDeletedLine(value); }
    int backgroundColor() const { return m_board.backgroundColor(); }
    void setBackgroundColor(int colour);
    int screenNumber() const { return m_board.screenNumber(); }
    void setScreenNumber(int screen) { m_board.setScreenNumber(screen); }
    int numberOfType() const { return m_board.numberOfType(); }
    void setNumberOfType(int value) { m_board.setNumberOfType(value); }

    int squareDimension() const { return m_squareDimension; }
    void setSquareDimension(int value); // height 20 x value, width 9 x value
    bool showBorderColor() const { return m_showBorder; }
    void setShowBorderColor(bool on);
    bool showFillColor() const { return m_showFill; }
    void setShowFillColor(bool on);
    bool showNextpiece() const { return m_showNext; }
    void setShowNextpiece(bool on);
    int previewSize() const { return m_previewSize; }
    void setPreviewSize(int pixels); // values below 3 are ignored
    QString previewCaption() const { return m_previewCaption; }
    void setPreviewCaption(const QString& caption);
    TBlockType blocktype() const { return m_blocktype; }
    void setBlocktype(TBlockType type);

    // The operations of the game, as the game window calls them.
    void NewGame() { m_board.newGame(); }
    int Step() { return m_board.step(); }
    bool MoveLeft() { return m_board.moveLeft(); }
    bool MoveRight() { return m_board.moveRight(); }
    void RotateLeft() { m_board.rotateLeft(); }
    void RotateRight() { m_board.rotateRight(); }
    int Drop() { return m_board.drop(); }
    // With outline, the empty rows are outlined in white until the board next changes.
    int FreeRows(bool outline);
    void PutBlock(int column, int row, int colour) { m_board.putBlock(column, row, colour); }
    void AddLine(int holeColumn, int colour) { m_board.addLine(holeColumn, colour); }
    void SetPreviewPosition(int left, int top);

    QWidget* previewWindow() const;
    QList<int> outlinedRows() const { return m_outlined; }

    // The pen and brush of a cell: its own colour where the border / fill is shown.
    QColor penColour(int colour) const;
    QColor brushColour(int colour) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void paintCell(QPainter& painter, const QRect& rect, int colour) const;

    arkivo::tetris::Board m_board;
    QPointer<arkivo::tetris::PreviewWindow> m_preview;
    QList<int> m_outlined;
    int m_squareDimension = 15;
    bool m_showBorder = false;
    bool m_showFill = false;
    bool m_showNext = false;
    int m_previewSize = 40;
    QString m_previewCaption = QStringLiteral("Next");
    TBlockType m_blocktype = btNormal;
};
