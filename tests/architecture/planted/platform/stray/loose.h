// A header in a folder that is no room.
#pragma once
