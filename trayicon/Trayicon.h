#pragma once
// TTrayIcon: the application's icon in the desktop's notification area.
