# The two commands of the README: `make run` and `make test`.
# Both install the Debian packages that are missing, configure and build.
SHELL := /bin/bash
.DEFAULT_GOAL := run

PACKAGES := g++ cmake ninja-build ccache pkgconf \
  qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql qt6-charts-dev qt6-svg-dev libgl-dev \
  libsqlite3-dev libxlsxwriter-dev libzint-dev libfreexl-dev libquazip1-qt6-dev \
  postgresql-15 postgresql-client-15 sqlite3 qt6-translations-l10n \
  fonts-arphic-uming fonts-wqy-microhei poppler-utils xvfb xauth xlsx2csv python3-openpyxl

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= $(shell nproc)

# CI builds in a fresh clone: a base directory makes its paths hit the same cache.
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := true
export CCACHE_MAXSIZE ?= 5G

CMAKE_COMMON := -G Ninja -DCMAKE_CXX_COMPILER_LAUNCHER=ccache

.PHONY: deps run build test build-test bench demo clean

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' \
	    || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

build/run/build.ninja: | deps
	cmake -S . -B build/run $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DOPENBUY_TESTS=OFF

build: deps build/run/build.ninja
	cmake --build build/run -j $(JOBS)

run: build
	@tools/run-program.sh build/run/bin

build/test/build.ninja: | deps
	cmake -S . -B build/test $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=Debug \
	  -DOPENBUY_SANITIZE=ON -DOPENBUY_BENCH=OFF

build-test: deps build/test/build.ninja
	cmake --build build/test -j $(JOBS)

test: build-test
	tools/with-postgres.sh ctest --test-dir build/test --output-on-failure -j $(JOBS)

# Fills the single-user database beside the program (a missing or empty one) with
# demonstration data; SCALE=10 makes 50,000 arrivals as the benchmarks use.
demo: build
	build/run/bin/openbuy-admin demo $(if $(SCALE),--scale $(SCALE))

bench: build
	tools/with-postgres.sh tools/run-benchmarks.sh build/run/bin

clean:
	rm -rf build
