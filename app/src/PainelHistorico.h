#pragma once

#include <QStringList>
#include <QWidget>

// The drop-down list of the undo (redo) toolbar button: one line per action
// of the history, the next one to undo (redo) first, and a footer that counts
// the lines the mouse points at. Pointing at line i takes lines 0 to i;
// clicking it asks for i + 1 actions. The footer takes every line when
// pointed at, and a click on it does nothing.
class PainelHistorico : public QWidget {
    Q_OBJECT
public:
    // modeloRodape holds %1 for the count ("Undo %1 Actions").
    PainelHistorico(const QString& modeloRodape, int alturaExtraRodape, QWidget* parent = nullptr);

    void preencher(const QStringList& descricoes);
    QStringList descricoes() const { return FDescricoes; }
    int apontadas() const { return FApontadas; }
    QString textoRodape() const;
    // The area of line i; i == number of lines gives the footer.
    QRect areaLinha(int i) const;
    QSize sizeHint() const override;

signals:
    void escolhido(int quantidade);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int alturaLinha() const;
    int linhaEm(const QPoint& ponto) const;  // -1 outside

    QStringList FDescricoes;
    QString FModeloRodape;
    int FAlturaExtraRodape;
    int FApontadas = 0;
};
