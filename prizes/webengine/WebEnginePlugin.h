#pragma once

#include "prizes/HtmlView.h"

#include <QObject>

// The browser module's entry point: hands out page views on Qt WebEngine.
class WebEnginePlugin : public QObject, public HtmlViewFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID HtmlViewFactory_iid)
    Q_INTERFACES(HtmlViewFactory)

public:
    HtmlView *createHtmlView(QWidget *parent, Addresses addresses) override;
};
