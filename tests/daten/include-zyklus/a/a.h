#pragma once
void a();
