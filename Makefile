# Front door for newcomers: each target installs the Debian packages it needs
# when they are missing, configures into build/ and builds before it runs.

BUILD_DIR  ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_ARGS ?=

# Packages for building, testing and running the editor.
DEPS := cmake g++ make qt6-base-dev qt6-qpa-plugins libgtest-dev libgmock-dev \
        libbenchmark-dev fonts-dejavu-core \
        desktop-file-utils appstream libxml2-utils shared-mime-info xdg-utils \
        libfile-mimeinfo-perl xvfb xauth dpkg-dev file

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# $(call install-missing,PACKAGES): installs those of the Debian PACKAGES that
# are missing, through sudo when not root, and says which.
define install-missing
	@missing=""; \
	for p in $(1); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing Debian packages:$$missing"; \
	  $(SUDO) apt-get update -q && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $$missing; \
	fi
endef

.PHONY: all deps configure build test run clean

all: build

deps:
	$(call install-missing,$(DEPS))

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS)

configure: deps $(BUILD_DIR)/CMakeCache.txt

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

run: build
	$(BUILD_DIR)/bin/kubrel-editor

clean:
	rm -rf $(BUILD_DIR)

# Installs the editor and its desktop files under $(PREFIX), inside $(DESTDIR)
# when that is set: make install PREFIX=/usr DESTDIR=/tmp/stage
PREFIX ?= /usr/local
.PHONY: install
install: build
	DESTDIR='$(DESTDIR)' cmake --install $(BUILD_DIR) --prefix '$(PREFIX)'

# Builds the Debian package into $(BUILD_DIR)/.
.PHONY: package
package: build
	cmake --build $(BUILD_DIR) --target package
	@ls $(BUILD_DIR)/*.deb

# Draws the demo level in the editor on a virtual display and writes the
# picture that the README shows.
.PHONY: screenshot
screenshot: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target kubrel-demo-level
	packaging/screenshot.sh $(BUILD_DIR)/bin/kubrel-demo-level packaging/screenshot.png

# Fuzzing: clang's libFuzzer targets in build-fuzz/, each run for FUZZ_SECONDS
# on a scratch copy of its seed corpus (fuzz/run.sh). Inputs that crash are kept
# in fuzz/crashes/.
FUZZ_SECONDS ?= 600
FUZZ_DEPS := clang libclang-rt-14-dev

.PHONY: fuzz fuzz-deps
fuzz-deps:
	$(call install-missing,$(FUZZ_DEPS))

fuzz: deps fuzz-deps
	bash fuzz/run.sh $(FUZZ_SECONDS)

# Benchmarks: the hot paths against their baselines, with the ratios and goals
# (bench/report.py), then the start-up to the first frame under Xvfb against a
# bare Qt window (bench/startup.sh). Timings are figures to read, not a test.
BENCH_DEPS := xvfb xauth python3 libx11-6
BENCH_ARGS ?= --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true \
              --benchmark_report_aggregates_only=true
BENCH_JSON := $(BUILD_DIR)/bench.json
STARTUP_RUNS ?= 9

.PHONY: bench bench-deps
bench-deps:
	$(call install-missing,$(BENCH_DEPS))

bench: build bench-deps
	$(BUILD_DIR)/bin/kubrel-bench $(BENCH_ARGS) \
	    --benchmark_out=$(BENCH_JSON) --benchmark_out_format=json
	@echo
	@python3 bench/report.py $(BENCH_JSON)
	@echo
	bench/startup.sh $(BUILD_DIR)/bin $(STARTUP_RUNS)
