// The GUI application that picture and report commands need (unless one runs already).
#pragma once

#include <QGuiApplication>
#include <memory>

// Without a display it runs on the offscreen platform. It lives for the command; nullptr when an
// application exists already.
std::unique_ptr<QGuiApplication> MakeGuiApplication();
