#pragma once

#include <host/TkvtParamItem.h>

#include <QWidget>

class QLabel;
class QLineEdit;

// One labelled text editor of the formula parameter dialog. The label's
// width can be set so that the editors of a dialog line up; a required
// editor left empty is tinted, though the dialog takes it as it is.
class EditorParametro : public QWidget {
    Q_OBJECT
public:
    EditorParametro(const host::TkvtParamItem& item, QWidget* parent);

    QString texto() const;
    void definirTexto(const QString& texto);
    int larguraRotulo() const;
    void definirLarguraRotulo(int largura);
    const QString& ajuda() const { return FAjuda; }
    void definirAjuda(const QString& ajuda) { FAjuda = ajuda; }
    QLineEdit& campo() const { return *FCampo; }

signals:
    // The keyboard came into the editor.
    void entrou(EditorParametro* editor);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void marcarVazio();

    QLabel* FRotulo;
    QLineEdit* FCampo;
    QString FAjuda;
    bool FObrigatorio;
};
