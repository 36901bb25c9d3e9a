// Turns an update address into the URL a request is sent to.
#pragma once

#include <QString>
#include <QUrl>

// A leading "http://" or "https://" (any case) is removed; the host is the text before the
// first "/" (it may carry ":port"), the object path the text from that "/" on. The scheme
// decides the default port: 80 for http (also when the address names none), 443 for https.
// Returns an invalid URL when the host is empty (an address without a path has no "/").
QUrl SplitUpdateAddress(const QString& address);

// The last segment of an address, after its last "/".
QString LastAddressSegment(const QString& address);
