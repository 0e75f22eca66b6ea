#include "WebEnginePlugin.h"

#include "WebEngineHtmlView.h"

HtmlView *WebEnginePlugin::createHtmlView(QWidget *parent, Addresses addresses)
{
    return new WebEngineHtmlView(parent, addresses);
}
